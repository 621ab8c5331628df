// ExecuteMove and the chain of consequences after a move.

#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/table.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

// A Klondike-like table: four foundations up in suit from the Ace, seven tableaus down in
// alternating colours.
class MoveExecutionTest : public ::testing::Test {
protected:
    MoveExecutionTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 4;
        rules[rule::TableauCount] = 7;
        rules[rule::FoundationFullCount] = 13;
        rules[rule::AutoFaceUp] = 1;
        for (int f = 0; f < 4; ++f) {
            rules.Of(rule::FoundationBaseRank, f) = 1;
            rules.Of(rule::FoundationDirection, f) = 1;
        }
        for (int k = 0; k < 7; ++k) {
            rules.Of(rule::TableauBaseRank, k) = 13;
            rules.Of(rule::TableauBuildCode, k) = 3;
            rules.Of(rule::TableauWrap, k) = 2;
        }
        context.registers.Set(120, 2, "01");
        context.registers.Set(239, 1, "Y");
        context.registers.Set(141, 1, "Y");
        context.registers.Set(184, 1, "Y");
        context.registers.Set(177, 1, "Y");
        context.registers.Set(180, 1, "Y");
        context.registers.Set(143, 1, "Y");
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    void FaceDown(int code) { context.cards.SetCardFaceMark(code, '0'); }

    RecordingPresentation presentation;
    GameContext context;
};

constexpr int kAceOfHearts = CardCode(Hearts, Ace);
constexpr int kTwoOfSpades = CardCode(Spades, 2);

TEST_F(MoveExecutionTest, TableauCardToFoundationTurnsUpTheExposedCardAndUndoesAsOne)
{
    Tableau(0) = CodeText(kTwoOfSpades) + CodeText(kAceOfHearts);
    FaceDown(kTwoOfSpades);
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, "Dest1"));
    EXPECT_EQ(context.piles.foundations[0], "001");
    EXPECT_EQ(Tableau(0), CodeText(kTwoOfSpades));
    EXPECT_FALSE(context.cards.IsFaceDown(kTwoOfSpades)) << "the exposed card turned up";
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    EXPECT_EQ(context.registers.Get(122, 6), "-47");
    EXPECT_FALSE(presentation.EventsStartingWith("sound Foundation").empty());
    EXPECT_EQ(presentation.EventsStartingWith("sound Face_up").size(), 1u);

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), CodeText(kTwoOfSpades) + CodeText(kAceOfHearts));
    EXPECT_TRUE(context.cards.IsFaceDown(kTwoOfSpades)) << "one undo restores the face-down card too";
}

TEST_F(MoveExecutionTest, NoTurnUpWhileAutoplayTakesCareOfIt)
{
    Tableau(0) = CodeText(kTwoOfSpades) + CodeText(kAceOfHearts);
    FaceDown(kTwoOfSpades);
    context.autoplayOn = context.autoplayAvailable = true;
    ExecuteMove(context, kAceOfHearts, "Dest1");
    EXPECT_TRUE(context.cards.IsFaceDown(kTwoOfSpades));
}

TEST_F(MoveExecutionTest, ARunMovesWholeAndInOrder)
{
    const std::string run = "013" + CodeText(CardCode(Spades, 12)) + "011" + CodeText(CardCode(Clubs, 10));
    Tableau(1) = "005" + run;
    FaceDown(5);
    ASSERT_TRUE(ExecuteMove(context, 13, "Fila3"));
    EXPECT_EQ(Tableau(2), run);
    EXPECT_EQ(Tableau(1), "005");
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(context.cards.IsFaceDown(ElementAt(run, i)));
    ASSERT_TRUE(ExecuteMove(context, 11, "Fila4", false));
    EXPECT_EQ(Tableau(3), "011") << "without the run only the card moves";
    EXPECT_EQ(Tableau(2), "013" + CodeText(CardCode(Spades, 12)) + CodeText(CardCode(Clubs, 10)));
}

TEST_F(MoveExecutionTest, FirstMoveGateAllowsOnlyATableauCardToAFoundation)
{
    context.rules[rule::FirstMoveToFoundation] = 1;
    context.piles.Waste() = CodeText(kAceOfHearts);
    Tableau(0) = CodeText(CardCode(Clubs, Ace));
    EXPECT_FALSE(ExecuteMove(context, kAceOfHearts, "Dest1"));
    EXPECT_EQ(context.mainGame.MoveCount, 0);
    EXPECT_EQ(context.piles.Waste(), CodeText(kAceOfHearts));
    EXPECT_TRUE(ExecuteMove(context, CardCode(Clubs, Ace), "Dest3"));
    EXPECT_EQ(context.mainGame.MoveCount, 1);
    EXPECT_TRUE(ExecuteMove(context, kAceOfHearts, "Dest1")) << "the gate closes after the first move";
    EXPECT_EQ(context.mainGame.MoveCount, 2);
}

TEST_F(MoveExecutionTest, CompleteSequenceLeavesForTheFirstEmptySequenceFoundation)
{
    auto& rules = context.rules;
    rules[rule::FoundationCount] = 2;
    for (int f = 0; f < 2; ++f) {
        rules.Of(rule::FoundationBaseRank, f) = 83;
        rules.Of(rule::FoundationBuildCode, f) = 12; // takes whole sequences only, through the removal
    }
    context.piles.foundations[0] = "040041042043044045046047048049050051052";
    std::string sequence;
    for (int rank = King; rank >= 2; --rank)
        sequence += CodeText(CardCode(Hearts, rank));
    Tableau(0) = "030" + sequence;
    Tableau(1) = CodeText(kAceOfHearts);
    EXPECT_FALSE(CanPlayOnFoundation(context, 1, kAceOfHearts)) << "such a foundation takes whole sequences only";
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, "Fila1"));
    EXPECT_EQ(Tableau(0), "030");
    EXPECT_EQ(ElementCount(context.piles.foundations[1]), 13);
    EXPECT_EQ(ElementAt(context.piles.foundations[1], 0), kAceOfHearts) << "the Ace goes first";
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "030" + sequence);
    EXPECT_EQ(Tableau(1), CodeText(kAceOfHearts));
    EXPECT_TRUE(context.piles.foundations[1].empty());
}

TEST_F(MoveExecutionTest, FillAfterTheFirstMoveOnly)
{
    context.rules[rule::FillAfterFirstMove] = 1;
    context.rules[rule::TableauCount] = 3;
    context.piles.Stock() = "020021022023";
    Tableau(0) = CodeText(kAceOfHearts);
    Tableau(1) = "030";
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, "Dest1"));
    EXPECT_EQ(Tableau(0), "023");
    EXPECT_EQ(Tableau(2), "022");
    EXPECT_EQ(context.mainGame.MoveCount, 2);
    ExecuteMove(context, 23, "Dest2");
    EXPECT_TRUE(Tableau(0).empty()) << "the second move fills nothing";
}

TEST_F(MoveExecutionTest, RedoIsClearedAndSpecialGamesKeepTheirScore)
{
    Tableau(0) = CodeText(kAceOfHearts) + "030";
    ExecuteMove(context, 30, "Fila2");
    Undo(context);
    ASSERT_FALSE(context.redoHistory.Empty());
    ExecuteMove(context, 30, "Fila3");
    EXPECT_TRUE(context.redoHistory.Empty());

    context.rules[rule::SpecialGame] = 9;
    context.registers.Set(122, 6, "77");
    ExecuteMove(context, kAceOfHearts, "Dest1");
    EXPECT_EQ(context.registers.Get(122, 6), "77");
}

// Moves leave the score alone in the games without a score and in those with a fixed score.
TEST_F(MoveExecutionTest, MovesLeaveFixedAndAbsentScoresAlone)
{
    for (const int code : {59, 76, 77}) {
        Tableau(0) = CodeText(kAceOfHearts);
        context.piles.foundations[0].clear();
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(code);
        context.registers.Set(122, 6, "77");
        ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, "Dest1")) << code;
        EXPECT_EQ(context.registers.Get(122, 6), "77") << code;
    }
}

TEST_F(MoveExecutionTest, StyleTwelveTableauxKeepTheirCells)
{
    context.rules[rule::TableauStyle] = 12;
    Tableau(0) = "030" + CodeText(kAceOfHearts) + "031";
    ExecuteMove(context, kAceOfHearts, "Dest1");
    EXPECT_EQ(Tableau(0), "030000031");
}

TEST_F(MoveExecutionTest, TheWonMarkFollowsTheTable)
{
    Tableau(0) = CodeText(kAceOfHearts);
    ExecuteMove(context, kAceOfHearts, "Dest_Autoplay01");
    EXPECT_TRUE(context.flags[WonMark]);
    EXPECT_EQ(presentation.EventsStartingWith("sound Autoplay").size(), 1u);
    EXPECT_TRUE(presentation.EventsStartingWith("sound Foundation").empty());
}

} // namespace
} // namespace marlowe
