#pragma once
// The commands of the main window: every menu item with its caption and shortcut, the menu bar
// and the table's pop-up menu built from them, and their pictures from the resource module in
// either toolbar style. The window connects what each command does.

#include <QIcon>

#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace marlowe {

class ResourceModules;

struct CommandTable {
    // "&Game"
    QAction* newGame = nullptr;
    QAction* restart = nullptr;
    QAction* selectDeal = nullptr;
    QAction* openGame = nullptr;
    QAction* openSaved = nullptr;
    QAction* save = nullptr;
    QAction* pause = nullptr;
    QAction* quitGame = nullptr;
    QAction* players = nullptr;
    QAction* holdAndExit = nullptr;
    QAction* exit = nullptr;
    // "&Edit"
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* autoplay = nullptr;
    QAction* insertBookmark = nullptr;
    QAction* goToBookmark = nullptr;
    // "Tut&or"
    QAction* showMove = nullptr;
    QAction* demo = nullptr;
    // "&Statistics"
    QAction* gameStatistics = nullptr;
    QAction* hiScores = nullptr;
    QAction* logStatistics = nullptr;
    QAction* gameInformation = nullptr;
    // "&Options"
    QAction* customize = nullptr;
    QAction* toolbar = nullptr;
    QAction* statusBar = nullptr;
    QAction* fullScreen = nullptr;
    // "&Help"
    QAction* rules = nullptr;
    QAction* contents = nullptr;
    QAction* about = nullptr;
    // The table's pop-up menu.
    QAction* popGameInformation = nullptr;
    QAction* changeCardSet = nullptr;
    QAction* changeDeck = nullptr;
    QAction* changeBackground = nullptr;
};

// The actions, owned by owner, with their captions and shortcuts; nothing is connected yet.
CommandTable CreateCommands(QWidget* owner);
void BuildMenuBar(QMenuBar* bar, const CommandTable& commands);
QMenu* BuildTableMenu(QWidget* parent, const CommandTable& commands);

// A toolbar picture by its plain name ("TB_NEW_LARGE"): in the older style ("Win 98 style") the
// "2000_" form. With disabledName, that picture is what a disabled button shows.
QIcon ToolbarIcon(const ResourceModules& modules, const std::string& name, bool xpStyle,
                  const std::string& disabledName = {});
// The menu pictures for a toolbar style.
void ApplyMenuImages(const CommandTable& commands, const ResourceModules& modules, bool xpStyle);

} // namespace marlowe
