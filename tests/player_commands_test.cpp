// The player's commands on a game in progress: a restart and a chosen deal give the deal's first
// table with the clock and score from zero, quitting ends and records the game and empties the
// table, a pause stops the clock; and deal numbers as people type and read them.

#include "engine/deal_number_text.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/player_commands.h"
#include "engine_program.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;

class PlayerCommandsTest : public ::testing::Test, protected testing::EngineProgram {
protected:
    PlayerCommandsTest()
    {
        context.registers.Set(reg::DealNumber, "0000000000001");
        EXPECT_TRUE(OpenGame(context, preferences, random, kFreeCell, "FreeCell", "Player 1", 1, false));
        dealt = TakeSnapshot(context);
    }

    void PlaySomeMoves()
    {
        for (int column = 0; column < 3; ++column) {
            const int card = TopElement(context.piles.tableaus[column]);
            ASSERT_TRUE(PerformAction(context, PlayAction{ActionKind::Drop, card, {PileGroup::Reserves, column}}));
        }
        context.mainGame.GameStarted = 1;
    }

    Snapshot dealt;
};

TEST_F(PlayerCommandsTest, ARestartAfterSeveralMovesGivesTheFirstTableBackWithTheClockFromZero)
{
    PlaySomeMoves();
    context.bookmark = TakeSnapshot(context);
    now = 1300;
    RestartGame(context, preferences, random);
    EXPECT_EQ(TakeSnapshot(context), dealt);
    EXPECT_EQ(context.registers.Get(reg::DealNumber), "0000000000001");
    EXPECT_TRUE(context.undoHistory.Empty());
    EXPECT_FALSE(context.bookmark.has_value());
    EXPECT_EQ(ElapsedSeconds(context, 1300), 0);
    EXPECT_EQ(context.mainGame.RandomDeal, 0);
    EXPECT_EQ(recorded, std::vector<bool>{false});
}

TEST_F(PlayerCommandsTest, ARestartAfterReturningToABookmarkLeavesNothingToUndo)
{
    PlaySomeMoves();
    InsertBookmark(context);
    const int card = TopElement(context.piles.tableaus[3]);
    ASSERT_TRUE(PerformAction(context, PlayAction{ActionKind::Drop, card, {PileGroup::Reserves, 3}}));
    ASSERT_TRUE(GoToBookmark(context));
    RestartGame(context, preferences, random);
    EXPECT_EQ(TakeSnapshot(context), dealt);
    EXPECT_TRUE(context.undoHistory.Empty());
    EXPECT_TRUE(context.redoHistory.Empty());
}

TEST_F(PlayerCommandsTest, AChosenDealIsDealtAndNamedInTheTitle)
{
    DealChosenNumber(context, preferences, random, "0000000011982");
    EXPECT_EQ(context.registers.Get(reg::DealNumber), "0000000011982");
    EXPECT_EQ(presentation.EventsStartingWith("title: ").back(), "title: Marlowe 2002 5.8  [FreeCell]  [Deal 11 982]");
    const Snapshot chosen = TakeSnapshot(context);
    EXPECT_NE(chosen, dealt);
    // The same number deals the same table again.
    DealChosenNumber(context, preferences, random, "0000000011982");
    EXPECT_EQ(TakeSnapshot(context), chosen);
}

TEST_F(PlayerCommandsTest, QuittingEndsAndRecordsTheGameAndEmptiesTheTable)
{
    PlaySomeMoves();
    ASSERT_TRUE(QuitGame(context));
    EXPECT_EQ(recorded, std::vector<bool>{false});
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_FALSE(context.commands.pauseAndQuit);
    for (const std::string& pile : context.piles.tableaus)
        EXPECT_TRUE(pile.empty());
    EXPECT_TRUE(context.undoHistory.Empty());
    // Nothing is left to quit; a new game deals again.
    EXPECT_FALSE(QuitGame(context));
    NewGameCommand(context, preferences, random);
    EXPECT_TRUE(context.flags[GameInProgress]);
}

TEST_F(PlayerCommandsTest, QuittingAsksFirstWhenThePlayerWantsThatAndKeepsTheGameOnNo)
{
    context.registers.Set(reg::ConfirmQuitGame, "Y");
    presentation.confirmAnswer = false;
    PlaySomeMoves();
    const Snapshot before = TakeSnapshot(context);
    EXPECT_FALSE(QuitGame(context));
    EXPECT_EQ(TakeSnapshot(context), before);
    EXPECT_TRUE(recorded.empty());
}

TEST_F(PlayerCommandsTest, APauseStopsTheClockAndTheGameGoesOnFromItsTime)
{
    now = 1040;
    PauseClock(context);
    now = 1500;
    EXPECT_EQ(ElapsedSeconds(context, now), 40);
    ContinueAfterPause(context);
    now = 1510;
    EXPECT_EQ(ElapsedSeconds(context, now), 50);
}

TEST(DealNumberText, ReadsInGroupsOfThreeWithoutLeadingZeros)
{
    EXPECT_EQ(ReadableDealNumber("0000000011982"), "11 982");
    EXPECT_EQ(ReadableDealNumber("1234567890123"), "1 234 567 890 123");
    EXPECT_EQ(ReadableDealNumber("0000000000000"), "0");
    EXPECT_EQ(ReadableDealNumber("0000000000999"), "999");
}

TEST(DealNumberText, TypedNumbersAreCheckedAndPadded)
{
    EXPECT_EQ(ParseDealNumber("11982"), "0000000011982");
    EXPECT_EQ(ParseDealNumber(" 11 982 "), "0000000011982");
    EXPECT_EQ(ParseDealNumber("1234567890123"), "1234567890123");
    for (const char* bad : {"", "  ", "12345678901234", "-5", "1e5", "12.5", "x", "0x10"})
        EXPECT_FALSE(ParseDealNumber(bad)) << bad;
}

} // namespace
} // namespace marlowe
