#pragma once
// The toolbar band of the main window: the tool buttons in their large or small form, the
// elapsed time and the score at the right end, the restore button of full-screen mode, and the
// pop-up menus that choose the size, the style and the panels. Each choice is a preference,
// written as soon as it changes.

#include <QToolBar>

#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace marlowe {

struct CommandTable;
class Preferences;
class ResourceModules;
class SessionRegisters;

class ToolBand : public QToolBar {
    Q_OBJECT
public:
    ToolBand(const CommandTable& commands, const ResourceModules& modules, Preferences& preferences,
             SessionRegisters& registers, QWidget* parent = nullptr);

    // Reads the size, style and panel choices from the preferences and shows them.
    void ApplyPreferences();

    void SetTime(const QString& text);
    void SetScore(int score);
    // Full-screen mode shows the restore button at the right end.
    void SetFullScreen(bool on);

    bool LargeIcons() const { return large_; }
    bool XpStyle() const { return xp_; }
    bool TimeShown() const { return timeShown_; }
    bool ScoreShown() const { return scoreShown_; }

    // The pop-up menu of the band and the actions in it, for the window and the tests.
    QMenu* bandMenu() const { return popTB_; }
    QAction* showTimeAction() const { return showTime_; }
    QAction* showScoreAction() const { return showScore_; }
    QAction* hideTimeAction() const { return hideTime_; }
    QAction* hideScoreAction() const { return hideScore_; }
    QAction* restoreAction() const { return restore_; }

signals:
    // A new style: the menu pictures follow it.
    void StyleChanged(bool xpStyle);

private:
    void AddButton(QAction* command, const char* caption, const char* picture, const char* disabledPicture);
    void BuildPanels();
    void BuildMenus();
    void SetLarge(bool large);
    void SetXpStyle(bool xp);
    void SetTimeShown(bool shown);
    void SetScoreShown(bool shown);
    void ShowPanels();
    void LoadPictures();

    struct Button {
        QToolButton* button;
        const char* picture;
        const char* disabledPicture;
    };

    const ResourceModules& modules_;
    Preferences& preferences_;
    SessionRegisters& registers_;
    std::vector<Button> buttons_;
    QWidget* timePanel_ = nullptr;
    QWidget* scorePanel_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* score_ = nullptr;
    QAction* timeSlot_ = nullptr;  // the panels' places on the band
    QAction* scoreSlot_ = nullptr;
    QAction* restoreSlot_ = nullptr;
    QToolButton* restoreButton_ = nullptr;
    QAction* restore_ = nullptr;
    QMenu* popTB_ = nullptr;
    QAction* largeIcons_ = nullptr;
    QAction* smallIcons_ = nullptr;
    QAction* flat_ = nullptr;
    QAction* noFlat_ = nullptr;
    QAction* xpStyle_ = nullptr;
    QAction* win98Style_ = nullptr;
    QAction* showTime_ = nullptr;
    QAction* showScore_ = nullptr;
    QAction* hideTime_ = nullptr;
    QAction* hideScore_ = nullptr;
    bool large_ = true;
    bool xp_ = true;
    bool timeShown_ = true;
    bool scoreShown_ = true;
};

} // namespace marlowe
