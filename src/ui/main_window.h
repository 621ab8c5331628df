#pragma once
// The main window: the table framed by the menu bar, the toolbar band with the time and score,
// the status bar with the pile hints and whether the deal can be won, and the scroll bar of tall
// tables. Its commands call the
// engine's game operations; the table itself is the board widget. It also carries the start and
// end of a run: the window state restored and saved, the first activation, the close query.

#include "engine/lifecycle.h"
#include "engine/pile_store.h"
#include "engine/saved_game.h"
#include "ui/command_table.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QMenu;
class QScrollBar;

namespace marlowe {

class BoardWidget;
class DemoPlayer;
class HelpWindow;
class PartialScoreBox;
class PauseCover;
class PileSizePanels;
class StatusPanels;
class TableSession;
class TfrmOpenGame;
class ToolBand;
struct GameChoice;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(TableSession& session);
    ~MainWindow() override;

    // Position, size, maximised and full screen as the preferences remember them.
    void RestoreWindowState();
    // The first activation of a run: deals the game the preferences remember, or opens the game
    // selection when there is none.
    void OnFirstActivation();

    // Who chooses a game for "&Open a game...": the game selection dialog unless replaced.
    using GameChooser = std::function<std::optional<GameChoice>()>;
    void SetGameChooser(GameChooser chooser) { chooser_ = std::move(chooser); }
    // "&Open a game...": the chooser, then the chosen game is dealt.
    void ChooseGame();

    // Who names the file of "Save..." and "Open a saved game...": a file dialog unless replaced.
    // An empty name cancels.
    using FileChooser = std::function<QString(bool saving)>;
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    // Who asks for the number of "Select a deal...": an input box unless replaced.
    using DealAsker = std::function<std::optional<QString>()>;
    void SetDealAsker(DealAsker asker) { dealAsker_ = std::move(asker); }
    // The game held by "Hold and exit" at the end of the last run goes on. True when it did.
    bool ResumeHeldGame();

    const CommandTable& commands() const { return commands_; }
    DemoPlayer& demo() const { return *demo_; }
    PauseCover* pauseCover() const { return pauseCover_; }
    BoardWidget* board() const { return board_; }
    ToolBand* toolBand() const { return band_; }
    StatusPanels* statusPanels() const { return panels_; }
    // The status bar's line that tells whether the deal can still be won.
    QLabel* winnabilityLine() const { return winnabilityLine_; }
    // The status bar's box with the points of the hand on the table (hands-scored games only).
    PartialScoreBox* partialScore() const { return partialScore_; }
    QScrollBar* scrollBar() const { return scrollBar_; }
    // The help window once a help command has opened it; null before.
    HelpWindow* helpWindow() const { return help_; }
    QAction* undoAction() const { return commands_.undo; }
    QAction* redoAction() const { return commands_.redo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void ConnectSession();
    // The commands on the game in progress: restart, a chosen deal, saving and resuming,
    // bookmarks, pause, quitting the game, the demo, and the switches of the view.
    void ConnectPlayerCommands();
    void RefreshPlayerCommands();
    ScreenFacts Screen() const;
    void SelectDeal();
    void SaveToFile();
    QString ChooseSavedGameFile(bool saving);
    void OpenSavedFile();
    // Resumes a saved game read from a file; the message of what went wrong otherwise.
    void ResumeFrom(const SavedGameReading& reading);
    void HoldAndExit();
    void Pause();
    void EndPause();
    void ShowToolbar(bool on);
    void ShowStatusBar(bool on);
    void RefreshCommands();
    void ShowPileHint(std::optional<PileRef> pile, QPoint point);
    // Why a move was refused: in the status bar for a few seconds, or beside the pointer while
    // the status bar is hidden.
    void ShowStatusNote(const QString& note);
    void FitScrollBar(int extent);
    bool TurnWheel(const QWheelEvent& wheel);
    void SetFullScreen(bool on);
    // The statistics commands: the dialog that opens opens, or the message that the statistics
    // are switched off.
    void ShowStatistics(QAction* command);
    // Whether the statistics are on; when off the player is told how to switch them on.
    bool StatisticsEnabled();
    // "&Players...": the players dialog; after a change of player the table is redrawn and a
    // game chosen for the new player. True when the player changed.
    bool ShowPlayers();
    // "C&ustomize..." and the pop-up commands that open it on a page.
    void ShowCustomize(int page);
    // The first activation of the very first run shows the players dialog once. True when the
    // player changed there (and a game was chosen for the new one).
    bool OfferPlayersOnce();
    void ShowRules(int game);
    void ShowContents();
    HelpWindow& Help();
    TfrmOpenGame& SelectionDialog();
    void TickClock();
    // The close query and the end of the run.
    bool CanClose();
    void SaveWindowState();
    void EndRun();

    TableSession& session_;
    CommandTable commands_;
    BoardWidget* board_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    ToolBand* band_ = nullptr;
    StatusPanels* panels_ = nullptr;
    QLabel* winnabilityLine_ = nullptr;
    PartialScoreBox* partialScore_ = nullptr;
    PileSizePanels* pileSizes_ = nullptr;
    QMenu* tableMenu_ = nullptr;
    HelpWindow* help_ = nullptr;
    TfrmOpenGame* selection_ = nullptr;
    GameChooser chooser_;
    FileChooser fileChooser_;
    QString savedGameFolder_; // where the file dialog of saved games opens: the last folder used
    DealAsker dealAsker_;
    DemoPlayer* demo_ = nullptr;
    PauseCover* pauseCover_ = nullptr;
    bool holding_ = false; // closing by "Hold and exit": the game in progress is kept, not ended
    bool fullScreen_ = false;
    bool maximizedBeforeFullScreen_ = false;
    bool statusBarBeforeFullScreen_ = false;
    bool firstActivationDone_ = false;
    bool closing_ = false;
};

} // namespace marlowe
