// The main window's commands on the game in progress: a restart and a deal chosen by its number,
// saving to a file and opening it again, "Hold and exit" and the resumption at the next start,
// the bookmark, the pause, quitting the game, the demo, and showing or hiding the toolbar and
// the status bar.

#include "ui/main_window.h"

#include "app/register_settings.h"
#include "engine/deal_number_text.h"
#include "engine/game_clock.h"
#include "engine/game_resume.h"
#include "engine/move_history.h"
#include "engine/player_commands.h"
#include "engine/saved_game_file.h"
#include "ui/board_widget.h"
#include "ui/demo_player.h"
#include "ui/pause_cover.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QStatusBar>
#include <QTime>

#include <filesystem>

namespace marlowe {

namespace {

constexpr const char* kPreference = "Preference";
constexpr const char* kSavedGameFilter = "Saved games (*.sav);;All files (*)";

int SecondOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

std::filesystem::path PathOf(const QString& name)
{
    return std::filesystem::path(name.toStdString());
}

} // namespace

ScreenFacts MainWindow::Screen() const
{
    return ScreenFacts{session_.ScreenWidth(), session_.ColourCount()};
}

void MainWindow::ConnectPlayerCommands()
{
    demo_ = new DemoPlayer(session_, this);
    pauseCover_ = new PauseCover(board_);
    connect(demo_, &DemoPlayer::Moved, this, &MainWindow::RefreshCommands);
    connect(demo_, &DemoPlayer::Ended, this, &MainWindow::RefreshCommands);
    connect(pauseCover_, &PauseCover::Ended, this, &MainWindow::EndPause);

    const CommandTable& c = commands_;
    connect(c.restart, &QAction::triggered, this, [this] {
        RestartGame(session_.context(), session_.preferences(), session_.random(), Screen());
        RefreshCommands();
    });
    connect(c.selectDeal, &QAction::triggered, this, &MainWindow::SelectDeal);
    connect(c.save, &QAction::triggered, this, &MainWindow::SaveToFile);
    connect(c.openSaved, &QAction::triggered, this, &MainWindow::OpenSavedFile);
    connect(c.holdAndExit, &QAction::triggered, this, &MainWindow::HoldAndExit);
    connect(c.insertBookmark, &QAction::triggered, this, [this] {
        InsertBookmark(session_.context());
        RefreshCommands();
    });
    connect(c.goToBookmark, &QAction::triggered, this, [this] {
        GoToBookmark(session_.context());
        RefreshCommands();
    });
    connect(c.pause, &QAction::triggered, this, &MainWindow::Pause);
    connect(c.quitGame, &QAction::triggered, this, [this] {
        QuitGame(session_.context());
        RefreshCommands();
    });
    connect(c.demo, &QAction::triggered, this, [this] {
        demo_->Start();
        RefreshCommands();
    });
    connect(c.toolbar, &QAction::triggered, this, &MainWindow::ShowToolbar);
    connect(c.statusBar, &QAction::triggered, this, &MainWindow::ShowStatusBar);
}

void MainWindow::RefreshPlayerCommands()
{
    const GameContext& context = session_.context();
    const CommandTable& c = commands_;
    const bool game = context.commands.game;
    const bool inProgress = context.flags[GameInProgress];
    const bool keeps = context.commands.undoRedo; // the game allows undo, saving and bookmarks
    const bool playing = inProgress && context.commands.pauseAndQuit;
    c.restart->setEnabled(game && !demo_->Running());
    c.selectDeal->setEnabled(game && !demo_->Running());
    c.save->setEnabled(inProgress && keeps);
    c.insertBookmark->setEnabled(playing && keeps);
    c.goToBookmark->setEnabled(playing && keeps && context.bookmark.has_value());
    c.pause->setEnabled(playing);
    c.quitGame->setEnabled(playing);
    c.demo->setEnabled(inProgress && context.commands.moveFinder && !demo_->Running());
    c.toolbar->setChecked(band_->isVisibleTo(this));
    c.statusBar->setChecked(statusBar()->isVisibleTo(this));
}

void MainWindow::SelectDeal()
{
    const std::optional<QString> typed =
        dealAsker_ ? dealAsker_()
                   : [this]() -> std::optional<QString> {
                         bool ok = false;
                         const QString text = QInputDialog::getText(
                             this, tr("Select a deal"), tr("Deal number (up to 13 digits, such as 11982):"),
                             QLineEdit::Normal, {}, &ok);
                         return ok ? std::optional<QString>(text) : std::nullopt;
                     }();
    if (!typed)
        return;
    const std::optional<std::string> number = ParseDealNumber(typed->toStdString());
    if (!number) {
        session_.ShowInfo("\"" + typed->toStdString() +
                          "\" is not a deal number. A deal number has up to 13 digits, such as 11982.");
        return;
    }
    DealChosenNumber(session_.context(), session_.preferences(), session_.random(), *number, Screen());
    RefreshCommands();
}

QString MainWindow::ChooseSavedGameFile(bool saving)
{
    if (fileChooser_)
        return fileChooser_(saving);
    if (savedGameFolder_.isEmpty())
        savedGameFolder_ = QDir::homePath();
    QFileDialog dialog(this, saving ? tr("Save the game") : tr("Open a saved game"), savedGameFolder_,
                       tr(kSavedGameFilter));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without its ending is saved where "Open" looks for it: "mygame" as "mygame.sav".
    dialog.setDefaultSuffix("sav");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    savedGameFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().front();
}

void MainWindow::SaveToFile()
{
    const QString name = ChooseSavedGameFile(true);
    if (name.isEmpty())
        return;
    const Outcome written = WriteSavedGameFile(PathOf(name), CaptureGame(session_.context(), SecondOfDay()));
    if (!written)
        session_.ShowInfo(written.message());
}

void MainWindow::OpenSavedFile()
{
    const QString name = ChooseSavedGameFile(false);
    if (name.isEmpty())
        return;
    const SavedGameReading reading = ReadSavedGameFile(PathOf(name));
    // A damaged file is refused before the game in progress is put at stake.
    if (!reading.outcome) {
        session_.ShowInfo(reading.outcome.message());
        return;
    }
    if (const Outcome resumable = CheckResumable(session_.context(), reading.game); !resumable) {
        session_.ShowInfo(resumable.message());
        return;
    }
    if (!ConfirmAbandon(session_.context()))
        return;
    ResumeFrom(reading);
}

void MainWindow::ResumeFrom(const SavedGameReading& reading)
{
    demo_->Stop();
    const Outcome resumed =
        ResumeSavedGame(session_.context(), session_.preferences(), session_.random(), reading.game, Screen());
    if (!resumed)
        session_.ShowInfo(resumed.message());
    session_.Relayout();
    RefreshCommands();
}

bool MainWindow::ResumeHeldGame()
{
    const std::filesystem::path held = HeldGamePath(session_.context().mainGame.dataFolder);
    if (!std::filesystem::exists(held))
        return false;
    SavedGameReading reading = ReadSavedGameFile(held);
    if (reading.outcome)
        reading.outcome = CheckResumable(session_.context(), reading.game);
    std::error_code ignored;
    if (!reading.outcome) {
        // The file is kept aside for the player; the run starts as without it.
        std::filesystem::path aside = held;
        aside += ".damaged";
        std::filesystem::rename(held, aside, ignored);
        session_.ShowInfo(reading.outcome.message() + "\nThe file was kept as \"" + aside.filename().string() + "\".");
        return false;
    }
    ResumeFrom(reading);
    std::filesystem::remove(held, ignored);
    return session_.context().flags[GameInProgress];
}

void MainWindow::HoldAndExit()
{
    GameContext& context = session_.context();
    const std::filesystem::path held = HeldGamePath(context.mainGame.dataFolder);
    demo_->Stop();
    if (context.flags[GameInProgress] && context.commands.undoRedo) {
        const Outcome written = WriteSavedGameFile(held, CaptureGame(context, SecondOfDay()));
        if (!written) {
            session_.ShowInfo(written.message() + "\nThe game goes on.");
            return;
        }
        holding_ = true;
    }
    if (!close()) {
        // The player stayed: the game goes on here, and the next start must not go back to it.
        holding_ = false;
        std::error_code ignored;
        std::filesystem::remove(held, ignored);
    }
}

void MainWindow::Pause()
{
    if (!session_.context().flags[GameInProgress] || pauseCover_->isVisible())
        return;
    demo_->Stop();
    PauseClock(session_.context());
    pauseCover_->Cover();
    RefreshCommands();
}

void MainWindow::EndPause()
{
    ContinueAfterPause(session_.context());
    board_->setFocus(Qt::OtherFocusReason);
    RefreshCommands();
}

void MainWindow::ShowToolbar(bool on)
{
    band_->setVisible(on);
    session_.preferences().WriteString(kPreference, "ToolBar_Visible", on ? "Y" : "N");
    RefreshCommands();
}

void MainWindow::ShowStatusBar(bool on)
{
    statusBar()->setVisible(on);
    session_.context().registers.Set(reg::StatusBar, on ? "Y" : "N");
    session_.preferences().WriteString(kPreference, "StatusBar", on ? "Y" : "N");
    RefreshCommands();
}

} // namespace marlowe
