#pragma once
// The right half of the game selection dialog: the chosen game's name, its miniature table with
// the "&Preview" box, and its characteristics with their pictures; or, while no game is chosen,
// the product page.

#include "catalogue/game_description.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QStackedWidget;

namespace marlowe {

class ResourceModules;

class GameDescriptionPanel : public QWidget {
public:
    GameDescriptionPanel(const ResourceModules& modules, QWidget* parent);

    // The product page with its picture and the number of games in the catalogue.
    void ShowProduct(const QImage& picture, int gameCount);
    // A game's description and its preview (the bare backdrop while the preview is off).
    void ShowGame(const GameDescription& description, const QImage& preview);

    QCheckBox* PreviewBox() const { return chkPreview_; }
    bool ShowsProduct() const;
    QString GameNameText() const;
    // The texts of the values in panel order: decks, redeals, game time, difficulty, skill, chance.
    QStringList ValueTexts() const;

private:
    QWidget* BuildProductPage();
    QWidget* BuildGamePage();
    void SetCharacteristic(int row, const Characteristic& value);

    const ResourceModules& modules_;
    QStackedWidget* pages_ = nullptr;
    QLabel* productPicture_ = nullptr;
    QLabel* productText_ = nullptr;
    QLabel* lblGameName_ = nullptr;
    QLabel* preview_ = nullptr;
    QCheckBox* chkPreview_ = nullptr;
    QLabel* decks_ = nullptr;
    QLabel* redeals_ = nullptr;
    std::array<QLabel*, 4> pictures_{};
    std::array<QLabel*, 4> values_{};
};

} // namespace marlowe
