// The main window at the start and the end of a run: its position and state restored from the
// preferences and written back, the first activation, and the close query.

#include "ui/main_window.h"

#include "app/register_settings.h"
#include "engine/lifecycle.h"
#include "engine/player_commands.h"
#include "engine/preferences.h"
#include "ui/demo_player.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>

namespace marlowe {

namespace {

constexpr const char* kPreference = "Preference";

const char* YesNo(bool value)
{
    return value ? "Y" : "N";
}

} // namespace

void MainWindow::RestoreWindowState()
{
    Preferences& preferences = session_.preferences();
    const QRect stored(preferences.ReadInt(kPreference, "MainWindowState_Left"),
                       preferences.ReadInt(kPreference, "MainWindowState_Top"),
                       preferences.ReadInt(kPreference, "MainWindowState_Width"),
                       preferences.ReadInt(kPreference, "MainWindowState_Height"));
    // A stored size too small to show anything (a damaged file) gives way to the default one.
    if (stored.width() >= 200 && stored.height() >= 150) {
        move(stored.topLeft());
        resize(stored.size());
    }
    if (preferences.ReadString(kPreference, "MainWindowState_Maximized") == "Y")
        showMaximized();
    else
        showNormal();
    if (preferences.ReadString(kPreference, "Full_Screen") == "Y")
        SetFullScreen(true);
}

void MainWindow::OnFirstActivation()
{
    if (firstActivationDone_)
        return;
    firstActivationDone_ = true;
    GameContext& context = session_.context();
    UpdateTitle(context);
    session_.statistics().UpgradeScoreFile(session_.preferences().FilePath());
    session_.statistics().CheckExtraStatistics(true);
    // A new player chose a game already.
    if (OfferPlayersOnce())
        return;
    // The game held at the end of the last run goes on where it was.
    if (ResumeHeldGame())
        return;
    // A game remembered from an earlier run is dealt again; a new player chooses one first.
    const bool remembered = !session_.preferences().ReadString(kPreference, "Game", "").empty();
    const int stored = context.CurrentGameNumber();
    if (remembered && stored >= 0) {
        const std::string name = context.mainGame.GameName(stored);
        OpenGame(context, session_.preferences(), session_.random(), stored,
                 name.empty() ? context.registers.Get(reg::GameName) : name,
                 CurrentPlayer(context.registers), 2, false, ScreenFacts{session_.ScreenWidth(), session_.ColourCount()});
        RefreshCommands();
    } else {
        ChooseGame();
    }
}

bool MainWindow::OfferPlayersOnce()
{
    Preferences& preferences = session_.preferences();
    if (preferences.ReadString("Parameters", "Players_Names_V01") != "N")
        return false;
    preferences.WriteString("Parameters", "Players_Names_V01", "Y");
    return ShowPlayers();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!CanClose()) {
        event->ignore();
        return;
    }
    EndRun();
    event->accept();
}

bool MainWindow::CanClose()
{
    SaveWindowState();
    GameContext& context = session_.context();
    if (context.flags[WinAnimationRunning]) {
        // The animation stops at its next step; the window closes when it has.
        context.flags.Clear(WinAnimationRunning);
        context.mainGame.CloseRequested = 1;
        return false;
    }
    if (session_.preferences().ReadString(kPreference, "ConfirmQuit") == "N")
        return true;
    if (session_.Confirm("Exit Marlowe 2002?"))
        return true;
    context.mainGame.CloseRequested = 0;
    return false;
}

void MainWindow::SaveWindowState()
{
    Preferences& preferences = session_.preferences();
    // In full screen the window is neither maximised nor at its own place: the state before
    // full screen is what the next run restores.
    const bool maximized = fullScreen_ ? maximizedBeforeFullScreen_ : isMaximized();
    preferences.WriteString(kPreference, "MainWindowState_Maximized", YesNo(maximized));
    if (!maximized) {
        const QRect normal = fullScreen_ ? normalGeometry() : QRect(pos(), size());
        preferences.WriteInt(kPreference, "MainWindowState_Left", normal.left());
        preferences.WriteInt(kPreference, "MainWindowState_Top", normal.top());
        preferences.WriteInt(kPreference, "MainWindowState_Width", normal.width());
        preferences.WriteInt(kPreference, "MainWindowState_Height", normal.height());
    }
    preferences.WriteString(kPreference, "Full_Screen", YesNo(fullScreen_));
}

void MainWindow::EndRun()
{
    closing_ = true;
    GameContext& context = session_.context();
    demo_->Stop();
    // A paused game is ended with the time it had when the pause began.
    ContinueAfterPause(context);
    // A held game is not over: the next run goes on with it.
    if (!holding_)
        EndGame(context);
    session_.StopSound();
    Preferences& preferences = session_.preferences();
    if (context.mainGame.AutoPlayMode == 1)
        preferences.WriteString(kPreference, "AutoPlay", YesNo(context.autoplayOn));
    preferences.WriteInt("Settings", "Random_Game_Type", context.mainGame.RandomGameType);
}

} // namespace marlowe
