// ExecuteMove and the chain of consequences after a move.

#include "catalogue/rule_values.h"
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
        context.registers.Set(reg::ScoringType, "01");
        context.registers.Set(reg::AutomaticFaceUp, "Y");
        context.registers.Set(reg::SoundsEnabled, "Y");
        context.registers.Set(SoundSwitch::Foundation, "Y");
        context.registers.Set(SoundSwitch::Tableau, "Y");
        context.registers.Set(SoundSwitch::FaceUp, "Y");
        context.registers.Set(SoundSwitch::Autoplay, "Y");
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    void FaceDown(int code) { context.cards.SetCardFaceMark(code, '0'); }

    RecordingPresentation presentation;
    GameContext context;
};

constexpr int kAceOfHearts = CardCode(Hearts, Ace);
constexpr PileRef FoundationPile(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef TableauPile(int k) { return {PileGroup::Tableaus, k}; }
constexpr int kTwoOfSpades = CardCode(Spades, 2);

TEST_F(MoveExecutionTest, TableauCardToFoundationTurnsUpTheExposedCardAndUndoesAsOne)
{
    Tableau(0) = CodeText(kTwoOfSpades) + CodeText(kAceOfHearts);
    FaceDown(kTwoOfSpades);
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
    EXPECT_EQ(context.piles.foundations[0], "001");
    EXPECT_EQ(Tableau(0), CodeText(kTwoOfSpades));
    EXPECT_FALSE(context.cards.IsFaceDown(kTwoOfSpades)) << "the exposed card turned up";
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    EXPECT_EQ(context.registers.Get(reg::Score), "-47");
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
    ExecuteMove(context, kAceOfHearts, FoundationPile(0));
    EXPECT_TRUE(context.cards.IsFaceDown(kTwoOfSpades));
}

// A Canfield reserve shows only its top card: the card beneath turns up once the top card is
// played, whatever the player's face-up setting, and undoes with the move; a reserve the stock
// deals to, or one dealt face down, keeps its cards as they lie.
TEST_F(MoveExecutionTest, AReserveTurnsUpItsNextCardAsTheTopCardIsPlayed)
{
    const int kTwoOfHearts = CardCode(Hearts, 2);
    const int kNineOfClubs = CardCode(Clubs, 9);
    struct Case {
        int faceUp, dealMode;
        bool turnsUp;
    };
    for (const Case c : {Case{1, 0, true}, Case{13, 0, true}, Case{1, 5, false}, Case{-3, 0, false}}) {
        SCOPED_TRACE(::testing::Message() << "face up " << c.faceUp << ", deal mode " << c.dealMode);
        context.undoHistory.Clear();
        context.rules[rule::ReserveCount] = 1;
        context.rules.Of(rule::ReserveFaceUp, 0) = static_cast<std::int16_t>(c.faceUp);
        context.rules.Of(rule::ReserveDealMode, 0) = static_cast<std::int16_t>(c.dealMode);
        context.registers.Set(reg::AutomaticFaceUp, "N");
        context.piles.foundations[0].clear();
        context.piles.reserves[0] = CodeText(kNineOfClubs) + CodeText(kTwoOfHearts) + CodeText(kAceOfHearts);
        FaceDown(kNineOfClubs);
        FaceDown(kTwoOfHearts);
        context.cards.SetCardFaceMark(kAceOfHearts, '1');

        ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
        EXPECT_EQ(context.cards.IsFaceDown(kTwoOfHearts), !c.turnsUp);
        EXPECT_TRUE(context.cards.IsFaceDown(kNineOfClubs)) << "only the new top card turns";
        ASSERT_TRUE(Undo(context));
        EXPECT_TRUE(context.cards.IsFaceDown(kTwoOfHearts)) << "the undo turns it down again";
    }
}

TEST_F(MoveExecutionTest, ARunMovesWholeAndInOrder)
{
    const std::string run = "013" + CodeText(CardCode(Spades, 12)) + "011" + CodeText(CardCode(Clubs, 10));
    Tableau(1) = "005" + run;
    FaceDown(5);
    ASSERT_TRUE(ExecuteMove(context, 13, TableauPile(2)));
    EXPECT_EQ(Tableau(2), run);
    EXPECT_EQ(Tableau(1), "005");
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(context.cards.IsFaceDown(ElementAt(run, i)));
    ASSERT_TRUE(ExecuteMove(context, 11, TableauPile(3), false));
    EXPECT_EQ(Tableau(3), "011") << "without the run only the card moves";
    EXPECT_EQ(Tableau(2), "013" + CodeText(CardCode(Spades, 12)) + CodeText(CardCode(Clubs, 10)));
}

TEST_F(MoveExecutionTest, FirstMoveGateAllowsOnlyATableauCardToAFoundation)
{
    context.rules[rule::FirstMoveToFoundation] = 1;
    context.piles.Waste() = CodeText(kAceOfHearts);
    Tableau(0) = CodeText(CardCode(Clubs, Ace));
    EXPECT_FALSE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
    EXPECT_EQ(context.mainGame.MoveCount, 0);
    EXPECT_EQ(context.piles.Waste(), CodeText(kAceOfHearts));
    EXPECT_TRUE(ExecuteMove(context, CardCode(Clubs, Ace), FoundationPile(2)));
    EXPECT_EQ(context.mainGame.MoveCount, 1);
    EXPECT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0))) << "the gate closes after the first move";
    EXPECT_EQ(context.mainGame.MoveCount, 2);
}

TEST_F(MoveExecutionTest, AGameMayOpenWithAReserveCardToAFoundation)
{
    context.rules[rule::FirstMoveToFoundation] = 2;
    context.rules[rule::ReserveCount] = 1;
    context.piles.reserves[0] = CodeText(kAceOfHearts);
    Tableau(0) = CodeText(CardCode(Spades, Ace));
    EXPECT_FALSE(ExecuteMove(context, CardCode(Spades, Ace), FoundationPile(1))) << "not a tableau card";
    EXPECT_FALSE(ExecuteMove(context, StockTurn::ToWaste)) << "nor a click on the stock";
    EXPECT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
    EXPECT_TRUE(ExecuteMove(context, CardCode(Spades, Ace), FoundationPile(1))) << "the game is open";
}

TEST_F(MoveExecutionTest, TableActionsWaitForTheFirstFoundationMove)
{
    context.rules[rule::FirstMoveToFoundation] = 1;
    for (int k = 0; k < 7; ++k)
        context.rules.Of(rule::TableauDealMode, k) = 1;
    context.piles.Stock() = "020021022023024025026027";
    Tableau(0) = CodeText(kAceOfHearts);
    EXPECT_FALSE(ExecuteMove(context, RowDeal::Tableaus));
    EXPECT_FALSE(ExecuteMove(context, StockTurn::ToWaste));
    EXPECT_EQ(ElementCount(context.piles.Stock()), 8);
    EXPECT_EQ(context.mainGame.MoveCount, 0);
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
    EXPECT_TRUE(ExecuteMove(context, RowDeal::Tableaus));
    EXPECT_EQ(context.piles.Stock(), "020");
    EXPECT_EQ(Tableau(0), "027");
}

TEST_F(MoveExecutionTest, OfTheStockGroupOnlyTheWastesTakeACard)
{
    Tableau(0) = CodeText(kAceOfHearts) + "030";
    ASSERT_TRUE(ExecuteMove(context, 30, PileRef{PileGroup::StockGroup, kWasteSlot}));
    EXPECT_EQ(context.piles.Waste(), "030");
    EXPECT_EQ(presentation.EventsStartingWith("sound Tableau").size(), 1u);
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, PileRef{PileGroup::StockGroup, kSecondWasteSlot}));
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], CodeText(kAceOfHearts));
    EXPECT_TRUE(Tableau(0).empty());
    EXPECT_EQ(presentation.EventsStartingWith("sound Tableau").size(), 1u) << "the secondary waste is quiet";

    const PileStore before = context.piles;
    EXPECT_FALSE(ExecuteMove(context, 30, PileRef{PileGroup::StockGroup, kStockSlot}));
    EXPECT_EQ(context.piles, before);
    EXPECT_EQ(context.undoHistory.Size(), 2u);
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
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, TableauPile(0)));
    EXPECT_EQ(Tableau(0), "030");
    EXPECT_EQ(ElementCount(context.piles.foundations[1]), 13);
    EXPECT_EQ(ElementAt(context.piles.foundations[1], 0), kAceOfHearts) << "the Ace goes first";
    EXPECT_EQ(context.undoHistory.Size(), 1u);
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), "030" + sequence);
    EXPECT_EQ(Tableau(1), CodeText(kAceOfHearts));
    EXPECT_TRUE(context.piles.foundations[1].empty());
}

TEST_F(MoveExecutionTest, ASuitRunFromAnyRankRoundTheCornerLeavesWhenThirteenLong)
{
    auto& rules = context.rules;
    rules[rule::FoundationCount] = 1;
    rules.Of(rule::FoundationBaseRank, 0) = base_rank::WholeSuitFromAnyRank;
    rules.Of(rule::FoundationBuildCode, 0) = 92;
    for (int k = 0; k < 2; ++k) {
        rules.Of(rule::TableauBaseRank, k) = -1;
        rules.Of(rule::TableauBuildCode, k) = building::AnySuit;
        rules.Of(rule::TableauWrap, k) = wrap::BuildOnBase;
    }
    // Hearts from the 4 down round the corner to the 6: 4 3 2 A K Q J 10 9 8 7 6, then the 5.
    std::string run;
    for (int i = 0; i < 12; ++i)
        run += CodeText(CardCode(Hearts, (4 - i + 12) % 13 + 1));
    const int fiveOfHearts = CardCode(Hearts, 5);
    const int fiveOfSpades = CardCode(Spades, 5);
    Tableau(0) = "030" + run;
    Tableau(1) = CodeText(fiveOfSpades) + CodeText(fiveOfHearts);
    ASSERT_TRUE(ExecuteMove(context, fiveOfHearts, TableauPile(0)));
    EXPECT_EQ(Tableau(0), "030");
    ASSERT_EQ(ElementCount(context.piles.foundations[0]), 13);
    EXPECT_EQ(ElementAt(context.piles.foundations[0], 0), fiveOfHearts) << "the top card goes first";

    // A run of another suit on top, or one card short, stays.
    context.piles.foundations[0].clear();
    Tableau(0) = "030" + run;
    Tableau(1) = CodeText(fiveOfHearts) + CodeText(fiveOfSpades);
    ASSERT_TRUE(ExecuteMove(context, fiveOfSpades, TableauPile(0)));
    EXPECT_EQ(ElementCount(Tableau(0)), 14);
    EXPECT_TRUE(context.piles.foundations[0].empty());
}

TEST_F(MoveExecutionTest, FillAfterTheFirstMoveOnly)
{
    context.rules[rule::FillAfterFirstMove] = 1;
    context.rules[rule::TableauCount] = 3;
    context.piles.Stock() = "020021022023";
    Tableau(0) = CodeText(kAceOfHearts);
    Tableau(1) = "030";
    ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0)));
    EXPECT_EQ(Tableau(0), "023");
    EXPECT_EQ(Tableau(2), "022");
    EXPECT_EQ(context.mainGame.MoveCount, 2);
    ExecuteMove(context, 23, FoundationPile(1));
    EXPECT_TRUE(Tableau(0).empty()) << "the second move fills nothing";
}

TEST_F(MoveExecutionTest, RedoIsClearedAndSpecialGamesKeepTheirScore)
{
    Tableau(0) = CodeText(kAceOfHearts) + "030";
    ExecuteMove(context, 30, TableauPile(1));
    Undo(context);
    ASSERT_FALSE(context.redoHistory.Empty());
    ExecuteMove(context, 30, TableauPile(2));
    EXPECT_TRUE(context.redoHistory.Empty());

    context.rules[rule::SpecialGame] = 9;
    context.registers.Set(reg::Score, "77");
    ExecuteMove(context, kAceOfHearts, FoundationPile(0));
    EXPECT_EQ(context.registers.Get(reg::Score), "77");
}

// Moves leave the score alone in the games without a score and in those with a fixed score.
TEST_F(MoveExecutionTest, MovesLeaveFixedAndAbsentScoresAlone)
{
    for (const int code : {59, 76, 77}) {
        Tableau(0) = CodeText(kAceOfHearts);
        context.piles.foundations[0].clear();
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(code);
        context.registers.Set(reg::Score, "77");
        ASSERT_TRUE(ExecuteMove(context, kAceOfHearts, FoundationPile(0))) << code;
        EXPECT_EQ(context.registers.Get(reg::Score), "77") << code;
    }
}

TEST_F(MoveExecutionTest, StyleTwelveTableauxKeepTheirCells)
{
    context.rules[rule::TableauStyle] = 12;
    Tableau(0) = "030" + CodeText(kAceOfHearts) + "031";
    ExecuteMove(context, kAceOfHearts, FoundationPile(0));
    EXPECT_EQ(Tableau(0), "030000031");
}

TEST_F(MoveExecutionTest, TheWonMarkFollowsTheTable)
{
    Tableau(0) = CodeText(kAceOfHearts);
    ExecuteMove(context, kAceOfHearts, {FoundationPile(0), Mover::Autoplay});
    EXPECT_TRUE(context.flags[WonMark]);
    EXPECT_EQ(presentation.EventsStartingWith("sound Autoplay").size(), 1u);
    EXPECT_TRUE(presentation.EventsStartingWith("sound Foundation").empty());
}

} // namespace
} // namespace marlowe
