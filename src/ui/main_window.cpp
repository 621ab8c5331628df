#include "ui/main_window.h"

#include "app/register_settings.h"
#include "catalogue/custom_games.h"
#include "engine/autoplay.h"
#include "engine/event_sounds.h"
#include "engine/game_clock.h"
#include "engine/hand_scores.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/pile_hints.h"
#include "ui/board_widget.h"
#include "ui/customize_dialog.h"
#include "ui/game_information_dialog.h"
#include "ui/game_selection_dialog.h"
#include "ui/help_window.h"
#include "ui/high_scores_dialog.h"
#include "ui/log_dialog.h"
#include "ui/partial_score_box.h"
#include "ui/pile_size_panels.h"
#include "ui/players_dialog.h"
#include "ui/statistics_dialog.h"
#include "ui/status_panels.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QAction>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

namespace marlowe {

namespace {

constexpr const char* kProgramTitle = "Marlowe 2002";
constexpr int kWheelStep = 60;
constexpr int kRulesTopicBase = 3000;

int SecondOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

} // namespace

MainWindow::MainWindow(TableSession& session) : session_(session)
{
    setWindowTitle(kProgramTitle);
    commands_ = CreateCommands(this);
    BuildMenuBar(menuBar(), commands_);
    // The shortcuts stay with the window, so that they work in full-screen mode without a menu bar.
    for (QAction* action : menuBar()->actions())
        addActions(action->menu()->actions());

    auto* table = new QWidget(this);
    auto* layout = new QHBoxLayout(table);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    board_ = new BoardWidget(session_, table);
    board_->installEventFilter(this);
    pileSizes_ = new PileSizePanels(board_);
    scrollBar_ = new QScrollBar(Qt::Vertical, table);
    scrollBar_->setSingleStep(30);
    scrollBar_->setPageStep(90);
    // A key typed while the scroll bar was clicked still goes to the table.
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    scrollBar_->hide();
    layout->addWidget(board_, 1);
    layout->addWidget(scrollBar_);
    setCentralWidget(table);

    band_ = new ToolBand(commands_, session_.modules(), session_.preferences(), session_.context().registers, this);
    addToolBar(band_);
    band_->ApplyPreferences();
    ApplyMenuImages(commands_, session_.modules(), band_->XpStyle());
    connect(band_, &ToolBand::StyleChanged, this,
            [this](bool xp) { ApplyMenuImages(commands_, session_.modules(), xp); });

    panels_ = new StatusPanels(session_.modules(), this);
    statusBar()->addWidget(panels_, 1);
    winnabilityLine_ = new QLabel(this);
    winnabilityLine_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Wide enough for the longest line, so that the panels beside it stay put as it changes.
    const int longestLine = winnabilityLine_->fontMetrics().horizontalAdvance(tr("This deal can no longer be won"));
    winnabilityLine_->setMinimumWidth(longestLine + 12);
    statusBar()->addPermanentWidget(winnabilityLine_);
    partialScore_ = new PartialScoreBox(this);
    statusBar()->addPermanentWidget(partialScore_);
    connect(&session_.winnability(), &WinnabilityWatch::LineChanged, winnabilityLine_, &QLabel::setText);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setVisible(session_.context().registers.Get(reg::StatusBar) == "Y");
    tableMenu_ = BuildTableMenu(this, commands_);

    // Cards picked up with the keyboard go back before any command runs, clicked or typed.
    for (QAction* action : actions())
        connect(action, &QAction::triggered, board_, &BoardWidget::PutBackCarriedCards);
    ConnectCommands();
    ConnectPlayerCommands();
    ConnectSession();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWindow::TickClock);
    clock->start(1000);
    resize(1024, 768);
    RefreshCommands();
}

MainWindow::~MainWindow()
{
    session_.SetView(nullptr);
    session_.onTitle = nullptr;
    session_.onStatusNote = nullptr;
    session_.onScore = nullptr;
    session_.onCommandsChanged = nullptr;
    session_.onOpenGameSelection = nullptr;
    session_.onExtent = nullptr;
    session_.onCloseAfterWin = nullptr;
}

void MainWindow::ConnectCommands()
{
    const CommandTable& c = commands_;
    connect(c.newGame, &QAction::triggered, this, [this] {
        NewGameCommand(session_.context(), session_.preferences(), session_.random());
        RefreshCommands();
    });
    connect(c.openGame, &QAction::triggered, this, &MainWindow::ChooseGame);
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    connect(c.undo, &QAction::triggered, this, [this] {
        Undo(session_.context());
        RefreshCommands();
    });
    connect(c.redo, &QAction::triggered, this, [this] {
        Redo(session_.context());
        RefreshCommands();
    });
    connect(c.autoplay, &QAction::triggered, this, [this](bool on) {
        SetAutoplay(session_.context(), session_.preferences(), on);
        RefreshCommands();
    });
    connect(c.showMove, &QAction::triggered, this, [this] { session_.PointOutLegalMove(); });
    for (QAction* statistics : {c.gameStatistics, c.hiScores, c.logStatistics, c.gameInformation, c.popGameInformation})
        connect(statistics, &QAction::triggered, this, [this, statistics] { ShowStatistics(statistics); });
    connect(c.fullScreen, &QAction::triggered, this, [this] { SetFullScreen(!fullScreen_); });
    connect(c.rules, &QAction::triggered, this, [this] { ShowRules(session_.context().CurrentGameNumber()); });
    connect(c.contents, &QAction::triggered, this, &MainWindow::ShowContents);
    connect(c.about, &QAction::triggered, this, [this] {
        PlaySoundOnce(session_.context(), "About", SoundWanted(session_.context(), SoundSwitch::About));
        QMessageBox::about(this, tr("About Marlowe 2002"),
                           tr("<b>Marlowe 2002</b> 5.8<br>A collection of patience card games."));
    });
    connect(c.players, &QAction::triggered, this, [this] { ShowPlayers(); });
    connect(c.customize, &QAction::triggered, this, [this] { ShowCustomize(TfrmCustomize_Freeware::General); });
    // The card set and the deck are chosen on the page of the backs.
    connect(c.changeCardSet, &QAction::triggered, this, [this] { ShowCustomize(TfrmCustomize_Freeware::Decks); });
    connect(c.changeDeck, &QAction::triggered, this, [this] { ShowCustomize(TfrmCustomize_Freeware::Decks); });
    connect(c.changeBackground, &QAction::triggered, this,
            [this] { ShowCustomize(TfrmCustomize_Freeware::Backgrounds); });

    connect(board_, &BoardWidget::Played, this, &MainWindow::RefreshCommands);
    connect(board_, &BoardWidget::PointerOver, this, &MainWindow::ShowPileHint);
    connect(board_, &BoardWidget::MenuRequested, this, [this](QPoint at) {
        if (session_.context().registers.Get(reg::MainPopupMenu) != "N")
            tableMenu_->exec(at);
    });
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) { session_.SetScrollPosition(value); });
}

void MainWindow::ConnectSession()
{
    session_.onTitle = [this](const std::string& title) { setWindowTitle(QString::fromStdString(title)); };
    session_.onScore = [this](int score) { band_->SetScore(score); };
    session_.onStatusNote = [this](const std::string& note) { ShowStatusNote(QString::fromStdString(note)); };
    session_.onCommandsChanged = [this] { RefreshCommands(); };
    // A won game ends in the game selection, unless the window is closing.
    session_.onOpenGameSelection = [this] {
        if (!closing_)
            ChooseGame();
    };
    session_.onExtent = [this](int extent) { FitScrollBar(extent); };
    session_.onCloseAfterWin = [this] { QTimer::singleShot(0, this, &QWidget::close); };
    session_.context().secondOfDay = SecondOfDay;
}

void MainWindow::RefreshCommands()
{
    GameContext& context = session_.context();
    const CommandTable& c = commands_;
    const bool game = context.commands.game;
    c.newGame->setEnabled(game);
    c.undo->setEnabled(game && !context.undoHistory.Empty() && UndoAllowed(context));
    c.redo->setEnabled(game && !context.redoHistory.Empty() && UndoAllowed(context));
    c.autoplay->setEnabled(game && context.autoplayAvailable);
    c.autoplay->setChecked(context.autoplayOn);
    c.rules->setEnabled(game);
    c.showMove->setEnabled(game && context.commands.moveFinder);
    c.holdAndExit->setEnabled(context.commands.undoRedo);
    for (QAction* action : {c.customize, c.changeCardSet, c.changeDeck, c.changeBackground})
        action->setEnabled(context.commands.customize);
    c.gameInformation->setEnabled(game);
    c.popGameInformation->setEnabled(game);
    RefreshPlayerCommands();
    partialScore_->Show(PartialScore(context));
    // A new deal shows its zero time at once, not at the next tick.
    TickClock();
    // Every command and every move on the table ends here: the table may have changed.
    session_.winnability().Look();
}

void MainWindow::TickClock()
{
    band_->SetTime(QString::fromStdString(FormatElapsed(ElapsedSeconds(session_.context(), SecondOfDay()))));
}

void MainWindow::ShowPileHint(std::optional<PileRef> pile, QPoint point)
{
    const PileHintTexts texts = ComputePileHint(session_.context(), pile, session_.hints());
    // Without the status bar the counts float beside the pointer.
    if (statusBar()->isVisible())
        panels_->SetTexts(texts);
    else
        pileSizes_->ShowFor(texts, point);
}

void MainWindow::ShowStatusNote(const QString& note)
{
    constexpr int kShownMilliseconds = 5000;
    if (statusBar()->isVisible())
        statusBar()->showMessage(note, kShownMilliseconds);
    else
        QToolTip::showText(QCursor::pos(), note, board_, {}, kShownMilliseconds);
}

bool MainWindow::StatisticsEnabled()
{
    if (!session_.context().mainGame.StatisticsDisabled)
        return true;
    session_.ShowInfo("The Statistics are disabled. To enable the Statistics, change the value in the "
                      "\"Customize\" dialog box.");
    return false;
}

void MainWindow::ShowStatistics(QAction* command)
{
    if (!StatisticsEnabled())
        return;
    GameContext& context = session_.context();
    const CommandTable& c = commands_;
    const std::string player = CurrentPlayer(context.registers);
    const int game = context.CurrentGameNumber();
    StatisticsFiles& files = session_.statistics();
    std::unique_ptr<QDialog> dialog;
    if (command == c.gameStatistics)
        dialog = std::make_unique<StatisticsDialog>(files, context.mainGame, player, game, this);
    else if (command == c.hiScores)
        dialog = std::make_unique<HighScoresDialog>(files, context.mainGame, player, game, this);
    else if (command == c.logStatistics)
        dialog = std::make_unique<LogDialog>(files, context.mainGame, player, this);
    else if (game >= 0)
        dialog = std::make_unique<GameInformationDialog>(files, context.mainGame, session_.modules(), player, game,
                                                         context.registers.Get(reg::DealNumber), this);
    if (!dialog)
        return;
    dialog->exec();
}

void MainWindow::ShowCustomize(int page)
{
    TfrmCustomize_Freeware dialog(session_, band_, page, this);
    dialog.SetHelpHandler([this](int topic) { Help().ShowTopic(topic); });
    dialog.exec();
    RefreshCommands();
}

bool MainWindow::ShowPlayers()
{
    TfrmPlayers dialog(session_.context(), session_.preferences(), session_.modules(), session_.statistics(), this);
    dialog.onPlayerChanged = [this] {
        session_.Relayout();
        if (!selection_ || !selection_->isVisible())
            ChooseGame();
    };
    const bool changed = dialog.ShowDialog();
    RefreshCommands();
    return changed;
}

void MainWindow::FitScrollBar(int extent)
{
    const int height = session_.BoardSize().height();
    const bool tall = extent > height && session_.context().registers.Get(reg::VerticalScrollBar) != "N";
    if (tall) {
        {
            const QSignalBlocker quiet(scrollBar_);
            scrollBar_->setRange(0, extent - height);
            scrollBar_->setValue(session_.ScrollPosition());
        }
        // A shorter table may have cut the position back.
        session_.SetScrollPosition(scrollBar_->value());
    } else {
        session_.SetScrollPosition(0);
    }
    scrollBar_->setVisible(tall);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == board_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress))
        pileSizes_->hide();
    if (watched == board_ && event->type() == QEvent::Wheel)
        return TurnWheel(static_cast<const QWheelEvent&>(*event));
    return QMainWindow::eventFilter(watched, event);
}

// The wheel over the table moves the scroll bar; without one it does nothing.
bool MainWindow::TurnWheel(const QWheelEvent& wheel)
{
    if (!scrollBar_->isVisible())
        return false;
    const int steps = wheel.angleDelta().y() / 120;
    scrollBar_->setValue(scrollBar_->value() - steps * kWheelStep);
    return true;
}

void MainWindow::SetFullScreen(bool on)
{
    commands_.fullScreen->setChecked(on);
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    hide();
    if (on) {
        maximizedBeforeFullScreen_ = isMaximized();
        statusBarBeforeFullScreen_ = statusBar()->isVisible();
        statusBar()->hide();
        menuBar()->hide();
        band_->SetFullScreen(true);
        showFullScreen();
    } else {
        menuBar()->show();
        statusBar()->setVisible(statusBarBeforeFullScreen_);
        band_->SetFullScreen(false);
        if (maximizedBeforeFullScreen_)
            showMaximized();
        else
            showNormal();
    }
    raise();
    activateWindow();
}

HelpWindow& MainWindow::Help()
{
    if (!help_)
        help_ = new HelpWindow(session_.context().mainGame.programFolder / "help", this);
    return *help_;
}

void MainWindow::ShowRules(int game)
{
    // Custom games have no rules page of their own.
    if (game < 0 || game >= kFirstCustomGameNumber)
        return;
    Help().ShowTopic(kRulesTopicBase + game);
}

void MainWindow::ShowContents()
{
    Help().ShowContents();
}

TfrmOpenGame& MainWindow::SelectionDialog()
{
    if (!selection_) {
        GameContext& context = session_.context();
        selection_ = new TfrmOpenGame(context.mainGame, session_.preferences(), context.registers, session_.modules(),
                                      session_, this);
        selection_->SetRulesHandler([this](int game) { ShowRules(game); });
        selection_->SetResultsSource([this](const std::string& player) { return session_.records().FiguresOf(player); });
    }
    return *selection_;
}

void MainWindow::ChooseGame()
{
    const std::optional<GameChoice> choice = chooser_ ? chooser_() : SelectionDialog().ShowDialog();
    if (!choice)
        return;
    GameContext& context = session_.context();
    const ScreenFacts screen{session_.ScreenWidth(), session_.ColourCount()};
    if (OpenGame(context, session_.preferences(), session_.random(), choice->number, choice->name, choice->player, 2,
                 false, screen) &&
        selection_)
        selection_->NoteGameOpened(choice->number);
    RefreshCommands();
}

} // namespace marlowe
