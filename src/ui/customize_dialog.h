#pragma once
// "Customize": the modal dialog in which the player switches the toolbar, time, score,
// confirmation, statistics and winnable-deal options, chooses the card size, the face design, a card
// back and a background (each with a live sample) and silences all sounds. OK stores the choices, applies them to the toolbar band at
// once and redraws the board; Cancel writes nothing.

#include "ui/customize_choices.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QColorDialog;
class QComboBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace marlowe {

class CustomizeSamples;
class TableSession;
class ToolBand;

class TfrmCustomize_Freeware : public QDialog {
    Q_OBJECT
public:
    enum Page { General = 0, Decks = 1, Backgrounds = 2, Sounds = 3 };
    static constexpr int kHelpTopic = 1019;

    // toolBand receives the toolbar, time and score choices on OK; it may be null.
    TfrmCustomize_Freeware(TableSession& session, ToolBand* toolBand, int firstPage = General,
                           QWidget* parent = nullptr);
    ~TfrmCustomize_Freeware() override;

    // The page the dialog shows (0..3).
    void ShowPage(int page);
    // What "&?" does with the dialog's help topic; nothing until set.
    void SetHelpHandler(std::function<void(int topic)> handler) { help_ = std::move(handler); }

    // A plain colour for the background: the colour dialog's answer. Selects the plain-colour
    // node.
    void ChoosePlainColour(const QColor& colour);
    // The choices as the controls show them.
    CustomizeChoices Choices() const;

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildDecksPage();
    QWidget* BuildBackgroundsPage();
    QWidget* BuildSoundsPage();
    void BuildButtons();
    void ShowChoices(const CustomizeChoices& choices);
    void OpenColourDialog();
    void DrawBackSample();
    void DrawBackgroundSample();
    QString BackgroundName() const;
    std::optional<int> ChosenBack() const;
    std::optional<int> ChosenBackground() const;
    // The OK step: stores every choice, then applies it to the toolbar band and the board.
    void StoreAndApply();

    TableSession& session_;
    ToolBand* toolBand_;
    std::unique_ptr<CustomizeSamples> samples_;
    std::function<void(int)> help_;
    long long plainColour_ = 0;
    // The back and background the dialog opened with, kept while no other node is chosen.
    std::optional<int> openedBack_;
    std::optional<int> openedBackground_;

    QTabWidget* TabbedNotebook1_ = nullptr;
    QCheckBox* chkTBLargeIcons_ = nullptr;
    QCheckBox* chkTBFlatBtn_ = nullptr;
    QCheckBox* chkShowTime_ = nullptr;
    QCheckBox* chkShowScore_ = nullptr;
    QCheckBox* chkWinningAnimation_ = nullptr;
    QCheckBox* chkConfirmQuitGame_ = nullptr;
    QCheckBox* chkConfirmOnExit_ = nullptr;
    QCheckBox* chkDisableStatistics_ = nullptr;
    QCheckBox* chkWinnableDeals_ = nullptr;
    QTreeWidget* trvCardBack_ = nullptr;
    QComboBox* cmbCardSize_ = nullptr;
    QComboBox* cmbFaceDesign_ = nullptr;
    QLabel* imgSfondoEsempio2_ = nullptr;
    QLabel* imgDorsoEsempio_ = nullptr;
    QTreeWidget* trvBackGround_ = nullptr;
    QLabel* imgSfondoEsempio_ = nullptr;
    QLabel* lblBackGround_ = nullptr;
    QCheckBox* chkFadeBackground_ = nullptr;
    QCheckBox* chkSoundsEnabled_ = nullptr;
    QColorDialog* ColorDialog1_ = nullptr;
};

}  // namespace marlowe
