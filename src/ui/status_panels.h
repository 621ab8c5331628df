#pragma once
// The status bar's panels: the kind of the pile under the pointer with its picture, how many
// piles of that kind the game has, the pile's card count, how the pile is built (suit codes
// drawn as suit pictures) and the redeals. The texts come from the engine's pile hints.

#include "engine/pile_hints.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <map>
#include <string>

namespace marlowe {

class ResourceModules;

// A picture of the resource module with its transparent colour taken from its top-left pixel
// (pictures that carry their own transparency are kept as they are).
QImage TransparentPicture(const ResourceModules& modules, const std::string& name);

class StatusPanels : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanels(const ResourceModules& modules, QWidget* parent = nullptr);

    void SetTexts(const PileHintTexts& texts);
    const PileHintTexts& Texts() const { return texts_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The panels' rectangles left to right; the hint panel takes the room the others leave.
    std::array<QRect, 5> PanelRects() const;
    void DrawHint(QPainter& painter, QRect panel) const;

    PileHintTexts texts_;
    std::map<std::string, QImage> kindPictures_; // by kind text
    std::array<QImage, 4> suitPictures_;         // hearts, diamonds, clubs, spades
};

} // namespace marlowe
