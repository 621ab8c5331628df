// The move history: snapshots, their annotations, the drop operations, and Undo and Redo.

#include "engine/move_history.h"
#include "engine/recording_presentation.h"
#include "engine/table.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

class MoveHistoryTest : public ::testing::Test {
protected:
    MoveHistoryTest() : context(presentation)
    {
        context.rules[rule::TableauCount] = 3;
        context.rules[rule::FoundationCount] = 4;
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    // A move: record, then change the table.
    void Move(const std::string& tableau0, SnapshotTag tag = SnapshotTag::None)
    {
        RecordSnapshot(context);
        if (tag != SnapshotTag::None)
            TagLastSnapshot(context, tag);
        Tableau(0) = tableau0;
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(MoveHistoryTest, SnapshotsKeepCodesFaceMarksAndGaps)
{
    Tableau(1) = "005000007";
    context.cards.SetCardFaceMark(5, '0');
    context.piles.Stock() = "009";
    const Snapshot snapshot = TakeSnapshot(context);
    EXPECT_EQ(snapshot.piles[0], "0091");
    EXPECT_EQ(snapshot.piles[3 + 16 + 1], "005000000071");
    EXPECT_EQ(snapshot.piles[3 + 16 + 2], "");

    Tableau(1) = "";
    context.cards.SetCardFaceMark(5, '1');
    context.cards.SetCardFaceMark(9, '0');
    RestoreSnapshot(context, snapshot);
    EXPECT_EQ(Tableau(1), "005000007");
    EXPECT_TRUE(context.cards.IsFaceDown(5));
    EXPECT_FALSE(context.cards.IsFaceDown(9));
}

TEST_F(MoveHistoryTest, SelectionGamesLeaveTheirSelectionOutOfSnapshots)
{
    context.piles.foundations[0] = "001";
    EXPECT_EQ(TakeSnapshot(context).piles[3], "0011");
    for (auto [index, value] : {std::pair{rule::SelectionMode, 13}, std::pair{rule::SpecialGame, 67}}) {
        RuleVector rules;
        context.rules = rules;
        context.rules[index] = static_cast<std::int16_t>(value);
        EXPECT_EQ(TakeSnapshot(context).piles[3], "") << index;
    }
}

// Only a game whose cards leave in selected sets keeps foundation 1 out of the history: the
// highlighting game and the memory games keep it as a pile like any other game.
TEST_F(MoveHistoryTest, GamesThatSelectNoSetsKeepFoundationOneInSnapshots)
{
    context.piles.foundations[0] = "001";
    for (const int code : {8, 33, 36, 37, 39}) {
        context.rules = RuleVector{};
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(code);
        EXPECT_EQ(TakeSnapshot(context).piles[3], "0011") << code;
    }
}

TEST_F(MoveHistoryTest, DropOperationsKeepTheRightSnapshots)
{
    for (const char* table : {"001", "002", "003", "004"})
        Move(table);
    TagLastSnapshot(context, SnapshotTag::DealingClick);
    EXPECT_EQ(context.undoHistory.Last().annotation, "002");
    const Snapshot last = context.undoHistory.Last();

    DropPreviousSnapshots(context, 1);
    ASSERT_EQ(context.undoHistory.Size(), 3u);
    EXPECT_EQ(context.undoHistory.Last(), last) << "the last snapshot is unchanged";
    EXPECT_EQ(context.undoHistory.At(1).piles[3 + 16], "0011") << "the table before the second move";

    DropLastSnapshots(context, 1);
    EXPECT_EQ(context.undoHistory.Size(), 2u);
    DropLastSnapshots(context, 10);
    EXPECT_TRUE(context.undoHistory.Empty()) << "dropping more than exist leaves an empty history";
    DropPreviousSnapshots(context, 3);
    TagLastSnapshot(context, SnapshotTag::Draw);
    EXPECT_TRUE(context.undoHistory.Empty());
}

TEST_F(MoveHistoryTest, UndoTakesAMoveBackWithTheAutomaticMovesAfterIt)
{
    Tableau(0) = "010";
    Move("011");
    Move("012");
    Move("013", SnapshotTag::Autoplay);
    Move("014", SnapshotTag::Autoplay);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "011") << "back to the table before the player's move";
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "010");
    EXPECT_FALSE(Undo(context));

    ASSERT_TRUE(Redo(context));
    EXPECT_EQ(Tableau(0), "011");
    ASSERT_TRUE(Redo(context));
    EXPECT_EQ(Tableau(0), "014");
    EXPECT_FALSE(Redo(context));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "011");
}

TEST_F(MoveHistoryTest, UndoIsRefusedWhereTheGameOrThePlayerSaysSo)
{
    Move("001");
    context.rules[rule::NoUndo] = 1;
    EXPECT_FALSE(Undo(context));
    context.rules[rule::NoUndo] = 0;
    context.registers.Set(reg::UndoSetting, "2");
    EXPECT_FALSE(Undo(context));
    context.registers.Set(reg::UndoSetting, "0");
    EXPECT_TRUE(Undo(context));
}

TEST_F(MoveHistoryTest, TheScoreFollowsUndoAndRedo)
{
    context.registers.Set(reg::ScoringType, "01");
    context.rules[rule::PackSize] = 52;
    RecordSnapshot(context);
    context.piles.foundations[0] = "001";
    Undo(context);
    EXPECT_EQ(context.registers.Get(reg::Score), "-52");
    Redo(context);
    EXPECT_EQ(context.registers.Get(reg::Score), "-47");
}

TEST_F(MoveHistoryTest, ABookmarkIsAStepBackThatUndoCanTakeBack)
{
    EXPECT_FALSE(GoToBookmark(context));
    Tableau(0) = "001";
    InsertBookmark(context);
    Move("002");
    Move("003");
    ASSERT_TRUE(GoToBookmark(context));
    EXPECT_EQ(Tableau(0), "001");
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "003");
    ClearTable(context, true);
    EXPECT_FALSE(GoToBookmark(context)) << "a new table forgets the bookmark";
}

TEST_F(MoveHistoryTest, ClearingTheTableClearsTheHistories)
{
    Move("001");
    Move("002");
    Undo(context);
    ASSERT_FALSE(context.redoHistory.Empty());
    ClearTable(context, false);
    EXPECT_TRUE(context.redoHistory.Empty());
    EXPECT_FALSE(context.undoHistory.Empty());
    ClearTable(context, true);
    EXPECT_TRUE(context.undoHistory.Empty());
    EXPECT_FALSE(Undo(context)) << "a fresh table has nothing to undo";
}

} // namespace
} // namespace marlowe
