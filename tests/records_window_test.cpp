// The records seen from the program's window: a game won in the window appears in the statistics
// dialog and the log, the players dialog is offered once on the first run, and a finished game
// that does not count leaves no record.

#include "engine/lifecycle.h"
#include "engine/solver.h"
#include "engine/play_actions.h"
#include "records/game_records.h"
#include "test_support.h"
#include "window_test_support.h"
#include "ui/game_selection_dialog.h"
#include "ui/log_dialog.h"
#include "ui/main_window.h"
#include "ui/players_dialog.h"
#include "ui/statistics_dialog.h"
#include "ui/table_session.h"

#include <QAction>
#include <QListWidget>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

constexpr int kFreeCell = 1;

class RecordsWindowTest : public ::testing::Test {
protected:
    RecordsWindowTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        marlowe::testing::StartTestRun(session);
        // A win ends at once, without the celebration.
        session.preferences().WriteInt("Preference", "Winning_Animations_Time", 0);
        window = std::make_unique<MainWindow>(session);
        window->SetGameChooser([] { return std::optional<GameChoice>{}; });
        window->resize(1024, 768);
        window->show();
    }

    // Deals FreeCell deal 1, which the solver wins quickly, standing for a deal number drawn
    // anew as "&New game" draws it.
    void DealNewFreeCell()
    {
        marlowe::testing::DealFixedGame(session, kFreeCell, "0000000000001");
        session.context().mainGame.RandomDeal = 1;
    }

    // Plays the game to its end with the solver's actions, through the same pointer operations
    // the board widget uses.
    void PlayToTheWin()
    {
        GameContext& context = session.context();
        const SolveResult solution = Solve(context);
        ASSERT_TRUE(solution.Won());
        for (const PlayAction& action : solution.line)
            PerformAction(context, action);
        ASSERT_FALSE(context.flags[GameInProgress]);
    }

    // Runs the command and hands the modal dialog it opens to look, then closes it.
    template <typename Dialog>
    void Inspect(QAction* command, const std::function<void(Dialog&)>& look)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog) {
                seen = true;
                look(*dialog);
                dialog->reject();
            }
        });
        command->trigger();
        EXPECT_TRUE(seen);
    }

    marlowe::testing::TempFolder data;
    TableSession session;
    std::unique_ptr<MainWindow> window;
};

TEST_F(RecordsWindowTest, AGameWonInTheWindowShowsInTheStatisticsAndTheLog)
{
    DealNewFreeCell();
    PlayToTheWin();

    const auto figures = session.records().FiguresOf("Player 1", kFreeCell);
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->played, 1);
    EXPECT_EQ(figures->won, 1);
    const auto log = session.records().ReadLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].won);
    EXPECT_EQ(log[0].gameName, "FreeCell");
    EXPECT_GT(log[0].moves, 0);
    EXPECT_EQ(session.statistics().ReadSingleGameValues("Player 1", kFreeCell)->won, 1);

    Inspect<StatisticsDialog>(window->commands().gameStatistics, [](StatisticsDialog& dialog) {
        EXPECT_EQ(dialog.ShownPlayer(), "Player 1");
        EXPECT_EQ(dialog.SelectedGame(), kFreeCell);
    });
    Inspect<LogDialog>(window->commands().logStatistics, [](LogDialog& dialog) { EXPECT_EQ(dialog.ShownGames(), 1); });
}

TEST_F(RecordsWindowTest, OnlyNewDealsThatThePlayerMovedInAreRecorded)
{
    // Dealt again from a known number: not a new deal. The files are made ready all the same.
    marlowe::testing::DealFixedGame(session, kFreeCell, "0000000000001");
    PlayToTheWin();
    EXPECT_TRUE(session.records().ReadLog().empty());
    EXPECT_TRUE(std::filesystem::exists(session.statistics().PathOf(kGameStatisticsFile)));

    // A new deal abandoned before the first move.
    DealNewFreeCell();
    window->commands().newGame->trigger();
    EXPECT_TRUE(session.records().ReadLog().empty());

    // With the statistics switched off nothing is written either.
    session.context().mainGame.StatisticsDisabled = true;
    DealNewFreeCell();
    PlayToTheWin();
    EXPECT_TRUE(session.records().ReadLog().empty());
}

TEST_F(RecordsWindowTest, TheFirstRunOffersThePlayersOnceAndAsksForOneGame)
{
    session.preferences().WriteString("Parameters", "Players_Names_V01", "N");
    int chosen = 0;
    window->SetGameChooser([&chosen] {
        ++chosen;
        return std::optional<GameChoice>{};
    });
    int shown = 0;
    // The new player picks another name: the game selection follows once, for that player.
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<TfrmPlayers*>(QApplication::activeModalWidget())) {
            ++shown;
            auto* list = dialog->findChild<QListWidget*>("lboOperatori");
            ASSERT_NE(list, nullptr);
            list->setCurrentItem(list->findItems("Player 2", Qt::MatchExactly).value(0));
            dialog->SelectPlayer();
        }
    });
    window->OnFirstActivation();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(session.context().registers.Get(reg::Player), "Player 2");
    EXPECT_EQ(session.preferences().ReadString("Parameters", "Players_Names_V01"), "Y");
}

} // namespace
