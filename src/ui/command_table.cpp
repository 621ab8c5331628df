#include "ui/command_table.h"

#include "board/resource_modules.h"
#include "ui/status_panels.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace marlowe {

namespace {

QAction* Command(QWidget* owner, const char* caption, QKeySequence shortcut = {})
{
    auto* action = new QAction(QObject::tr(caption), owner);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

CommandTable CreateCommands(QWidget* owner)
{
    CommandTable c;
    c.newGame = Command(owner, "&New game", Qt::Key_F2);
    c.restart = Command(owner, "&Restart", Qt::Key_F3);
    c.selectDeal = Command(owner, "Select a &deal...", Qt::CTRL | Qt::Key_F3);
    c.openGame = Command(owner, "&Open a game...", Qt::CTRL | Qt::Key_F12);
    c.openSaved = Command(owner, "Open a sa&ved game...", Qt::CTRL | Qt::Key_O);
    c.save = Command(owner, "&Save...", Qt::CTRL | Qt::Key_S);
    c.pause = Command(owner, "P&ause", Qt::CTRL | Qt::Key_P);
    c.quitGame = Command(owner, "&Quit game", Qt::CTRL | Qt::Key_F4);
    c.players = Command(owner, "&Players...", Qt::CTRL | Qt::Key_L);
    c.holdAndExit = Command(owner, "&Hold and exit...");
    c.exit = Command(owner, "E&xit");
    c.undo = Command(owner, "&Undo", Qt::CTRL | Qt::Key_Z);
    c.redo = Command(owner, "&Redo", Qt::CTRL | Qt::Key_Y);
    c.autoplay = Command(owner, "Auto&play", Qt::Key_F7);
    c.autoplay->setCheckable(true);
    c.insertBookmark = Command(owner, "Insert &bookmark", Qt::CTRL | Qt::Key_B);
    c.goToBookmark = Command(owner, "Go &to bookmark", Qt::CTRL | Qt::Key_G);
    c.showMove = Command(owner, "Show a legal &move", Qt::Key_M);
    c.demo = Command(owner, "Game &Demo", Qt::CTRL | Qt::Key_D);
    c.gameStatistics = Command(owner, "&Game statistics...", Qt::Key_F4);
    c.hiScores = Command(owner, "&Hi-Scores...", Qt::Key_F9);
    c.logStatistics = Command(owner, "&Log statistics...");
    c.gameInformation = Command(owner, "Game &information...", Qt::Key_F5);
    c.customize = Command(owner, "C&ustomize...", Qt::CTRL | Qt::Key_U);
    c.toolbar = Command(owner, "&Toolbar");
    c.toolbar->setCheckable(true);
    c.statusBar = Command(owner, "Status &bar");
    c.statusBar->setCheckable(true);
    c.fullScreen = Command(owner, "Full Screen", Qt::Key_F11);
    c.fullScreen->setCheckable(true);
    c.rules = Command(owner, "&Rules", Qt::Key_F1);
    c.contents = Command(owner, "&Contents");
    c.about = Command(owner, "A&bout Marlowe 2002...");
    c.popGameInformation = Command(owner, "Game information...");
    c.changeCardSet = Command(owner, "Change card set");
    c.changeDeck = Command(owner, "Change deck");
    c.changeBackground = Command(owner, "Change background");
    return c;
}

void BuildMenuBar(QMenuBar* bar, const CommandTable& c)
{
    QMenu* game = bar->addMenu(QObject::tr("&Game"));
    game->addActions({c.newGame, c.restart, c.selectDeal, c.openGame});
    game->addSeparator();
    game->addActions({c.openSaved, c.save});
    game->addSeparator();
    game->addActions({c.pause, c.quitGame});
    game->addSeparator();
    game->addAction(c.players);
    game->addSeparator();
    game->addActions({c.holdAndExit, c.exit});

    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    edit->addActions({c.undo, c.redo});
    edit->addSeparator();
    edit->addActions({c.insertBookmark, c.goToBookmark});
    edit->addSeparator();
    edit->addAction(c.autoplay);

    QMenu* tutor = bar->addMenu(QObject::tr("Tut&or"));
    tutor->addActions({c.showMove, c.demo});

    QMenu* statistics = bar->addMenu(QObject::tr("&Statistics"));
    statistics->addActions({c.gameStatistics, c.hiScores, c.logStatistics});
    statistics->addSeparator();
    statistics->addAction(c.gameInformation);

    QMenu* options = bar->addMenu(QObject::tr("&Options"));
    options->addAction(c.customize);
    options->addSeparator();
    options->addActions({c.toolbar, c.statusBar, c.fullScreen});

    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    help->addActions({c.rules, c.contents});
    help->addSeparator();
    help->addAction(c.about);
}

QMenu* BuildTableMenu(QWidget* parent, const CommandTable& c)
{
    auto* menu = new QMenu(parent);
    menu->addAction(c.popGameInformation);
    menu->addSeparator();
    menu->addActions({c.changeCardSet, c.changeDeck, c.changeBackground});
    return menu;
}

QIcon ToolbarIcon(const ResourceModules& modules, const std::string& name, bool xpStyle,
                  const std::string& disabledName)
{
    const std::string prefix = xpStyle ? "" : "2000_";
    QIcon icon;
    const QImage picture = TransparentPicture(modules, prefix + name);
    if (picture.isNull())
        return icon;
    icon.addPixmap(QPixmap::fromImage(picture), QIcon::Normal);
    if (!disabledName.empty()) {
        const QImage disabled = TransparentPicture(modules, prefix + disabledName);
        if (!disabled.isNull())
            icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    }
    return icon;
}

void ApplyMenuImages(const CommandTable& c, const ResourceModules& modules, bool xpStyle)
{
    const struct {
        QAction* action;
        const char* name;
        bool toolbarPicture; // the "TB_" pictures follow the toolbar style, "MN_" ones do not
    } images[] = {
        {c.newGame, "TB_NEW_SMALL", true},     {c.openGame, "TB_OPEN_SMALL", true},
        {c.restart, "TB_RESTART_SMALL", true}, {c.save, "TB_SAVE_SMALL", true},
        {c.holdAndExit, "TB_SAVE_SMALL", true}, {c.exit, "TB_EXIT_SMALL", true},
        {c.selectDeal, "MN_SELECT", false},    {c.insertBookmark, "MN_BOOKMARK", false},
        {c.goToBookmark, "MN_BOOKMARK", false}, {c.pause, "MN_PAUSE", false},
        {c.undo, "TB_UNDO_SMALL", true},       {c.redo, "TB_REDO_SMALL", true},
        {c.autoplay, "TB_AUTOPLAY_SMALL", true}, {c.gameStatistics, "TB_STAT_SMALL", true},
        {c.rules, "TB_RULES_SMALL", true},     {c.players, "MN_PLAYERS", false},
        {c.customize, "MN_CUSTOMIZE", false},  {c.changeCardSet, "MN_CUSTOMIZE", false},
    };
    for (const auto& image : images) {
        const QIcon icon = image.toolbarPicture ? ToolbarIcon(modules, image.name, xpStyle)
                                                : QIcon(QPixmap::fromImage(TransparentPicture(modules, image.name)));
        image.action->setIcon(icon);
    }
}

} // namespace marlowe
