// The Baccarat-scored game played through the stock and the discard pile: the partial score of
// the hand on the table, the score of the hands put away (undo included), the last card alone,
// and the end of the game.

#include "card_names.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/hand_scores.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"
#include "engine/scoring.h"
#include "engine/stock.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

class HandScoresTest : public ::testing::Test {
protected:
    HandScoresTest() : context(presentation)
    {
        context.registers.Set(reg::ScoringType, "01");
        context.rules[rule::PackSize] = 52;
        context.rules[rule::TableauCount] = 3;
        context.rules[rule::SpecialGame] = 64;
        context.rules[rule::PassesAllowed] = 1;
        context.rules[rule::SecondWasteCount] = 1;
        context.rules[rule::SecondWasteArrangement] = 7;
        for (int k = 0; k < 3; ++k)
            context.rules.Of(rule::TableauDealMode, k) = click_style::ThreeHands;
        context.flags.Set(GameInProgress);
    }

    // The stock dealt in this order (its top card is the last of the text).
    void StockDealing(std::vector<int> cards)
    {
        std::reverse(cards.begin(), cards.end());
        context.piles.Stock() = PileTextOf(cards);
    }
    void ClickStock() { StockClick(context); }
    PressResult ClickDiscardPile()
    {
        return PointerDown(context, PointerButton::Left, false, PileRef{PileGroup::StockGroup, kSecondWasteSlot}, 0);
    }
    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(HandScoresTest, ThePartialScoreIsTheHandOnTheTable)
{
    StockDealing({H(7), C(8), H(3), H(12), C(5), H(6), C(4), H(9)});
    ASSERT_EQ(PartialScore(context), 0) << "no hand yet";
    ClickStock();
    EXPECT_EQ(Tableau(0), CodeText(H(7)));
    EXPECT_EQ(Tableau(1), CodeText(C(8)));
    EXPECT_EQ(PartialScore(context), 5) << "7 and 8 keep the last digit of 15";
    ClickStock();
    EXPECT_EQ(Tableau(2), CodeText(H(3)));
    EXPECT_EQ(PartialScore(context), 8) << "a third card adds to the first two";
    ClickStock();
    EXPECT_EQ(ElementCount(context.piles.Stock()), 5) << "a full hand takes no more cards";

    ASSERT_EQ(ClickDiscardPile(), PressResult::Acted);
    EXPECT_EQ(PartialScore(context), 0);
    ClickStock(); // Queen and 5: 5
    ClickStock(); // and a 6: 11 is past 9, the hand makes nothing
    EXPECT_EQ(PartialScore(context), 0);

    context.rules[rule::SpecialGame] = 0;
    for (int k = 0; k < 3; ++k)
        context.rules.Of(rule::TableauDealMode, k) = deal_mode::Row;
    EXPECT_FALSE(PartialScore(context).has_value()) << "other games show none";
}

TEST_F(HandScoresTest, TheScoreAddsEveryHandPutAwayAndUndoTakesItBack)
{
    StockDealing({H(7), C(8), H(3), H(12), C(5), H(9), C(13)});
    EXPECT_EQ(ComputeScore(context), -52);
    ClickStock();
    ClickStock();
    ClickDiscardPile();
    EXPECT_EQ(ComputeScore(context), -52 + 8);
    EXPECT_EQ(ElementCount(context.piles.stockGroup[kSecondWasteSlot]), 3);
    ClickStock(); // Queen and 5
    ClickDiscardPile();
    EXPECT_EQ(ComputeScore(context), -52 + 8 + 5);
    ClickStock(); // 9 and King
    EXPECT_EQ(ComputeScore(context), -52 + 8 + 5) << "the hand on the table does not count yet";
    ASSERT_TRUE(Undo(context));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(ComputeScore(context), -52 + 8) << "the hand taken back is no longer counted";
    EXPECT_EQ(PartialScore(context), 5);
}

TEST_F(HandScoresTest, TheLastCardIsAHandAloneAndTheGameEndsWhenThePackIsPlayed)
{
    StockDealing({H(4), C(2), H(9)});
    ClickStock();
    ClickDiscardPile();
    ClickStock();
    EXPECT_EQ(Tableau(0), CodeText(H(9)));
    EXPECT_TRUE(Tableau(1).empty());
    EXPECT_FALSE(context.flags[WonMark]);
    ASSERT_EQ(ClickDiscardPile(), PressResult::Acted) << "with the stock out, the card alone is a hand";
    EXPECT_EQ(ComputeScore(context), -52 + 6 + 9);
    EXPECT_TRUE(IsGameWon(context));
    EXPECT_FALSE(context.flags[GameInProgress]) << "the game has ended";
}

} // namespace
} // namespace marlowe
