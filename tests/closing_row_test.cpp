// The rows of piles that close up, dealt card by card onto their end: Accordion's piles going
// onto a matching pile one or three places to the left, Bayan's matching pairs and Decade's runs
// of tens leaving the row; the stock's click onto the row's end and the one-pile goal.

#include "card_names.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/selection.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

using V = SelectionVerdict;

constexpr int kAccordion = 105, kBayan = 106, kDecade = 107;

class ClosingRowTest : public ::testing::Test {
protected:
    ClosingRowTest() : context(presentation)
    {
        context.rules[rule::PackSize] = 52;
        context.flags.Set(GameInProgress);
    }

    // A row of `places` places holding one pile a card, the stock holding the rest.
    void Row(int special, int places, std::vector<int> tops, std::vector<int> stock = {})
    {
        context.piles.Clear();
        context.undoHistory.Clear();
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(special);
        context.rules[rule::TableauCount] = static_cast<std::int16_t>(places);
        for (int k = 0; k < places; ++k)
            context.rules.Of(rule::TableauDealMode, k) = 1;
        for (std::size_t k = 0; k < tops.size(); ++k)
            Tableau(static_cast<int>(k)) = CodeText(tops[k]);
        context.piles.Stock() = PileTextOf(stock);
    }
    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    void Click(int card)
    {
        const auto home = HomeOfCard(context, card);
        ASSERT_TRUE(home.has_value());
        SelectCard(context, *home, card);
    }
    void ClickStock() { SelectCard(context, {PileGroup::StockGroup, kStockSlot}, 0); }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(ClosingRowTest, PairsMatchOneOrThreePlacesApartBySuitOrRank)
{
    for (const int special : {kAccordion, kBayan}) {
        Row(special, 8, {H(5), C(2), D(9), H(8), S(5), C(7)});
        EXPECT_EQ(JudgeSelection(context, {H(8), H(5)}), V::Complete) << special << ": suits, three apart";
        EXPECT_EQ(JudgeSelection(context, {S(5), H(8)}), V::Invalid) << special << ": neighbours, no match";
        EXPECT_EQ(JudgeSelection(context, {H(5), S(5)}), V::Invalid) << special << ": four apart";
        EXPECT_EQ(JudgeSelection(context, {C(2), D(9)}), V::Invalid) << special;
        EXPECT_EQ(JudgeSelection(context, {C(7), C(2)}), V::Invalid) << special << ": clubs, but four apart";
        Row(special, 8, {H(5), C(5), D(9)});
        EXPECT_EQ(JudgeSelection(context, {C(5), H(5)}), V::Complete) << special << ": ranks, side by side";
        EXPECT_EQ(JudgeSelection(context, {H(5), D(9)}), V::Invalid) << special << ": two apart";
    }
}

TEST_F(ClosingRowTest, AccordionStacksTheRightPileOnTheLeftAndClosesUpInOneUndoStep)
{
    Row(kAccordion, 6, {H(5), C(2), D(9), H(8), S(8)}, {S(1)});
    Tableau(3) = PileTextOf({C(3), H(8)}); // a pile of two under its top card
    const PileStore before = context.piles;
    Click(H(5));
    Click(H(8)); // three places apart, chosen from the left
    EXPECT_EQ(Tableau(0), PileTextOf({H(5), C(3), H(8)})) << "the whole right pile goes onto the left one";
    EXPECT_EQ(Tableau(1), CodeText(C(2))) << "the row closes up";
    EXPECT_EQ(Tableau(3), CodeText(S(8)));
    EXPECT_EQ(Tableau(4), "");
    EXPECT_EQ(context.piles.Stock(), CodeText(S(1))) << "nothing is dealt into the gap";
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], "") << "nothing leaves the table";
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

TEST_F(ClosingRowTest, BayanAndDecadeSetsLeaveTheRowWhichClosesUp)
{
    Row(kBayan, 6, {H(5), C(2), D(9), H(8), S(8)}, {S(1)});
    Click(H(8));
    Click(S(8));
    EXPECT_EQ(Tableau(2), CodeText(D(9)));
    EXPECT_EQ(Tableau(3), "");
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({H(8), S(8)}));
    EXPECT_EQ(context.piles.Stock(), CodeText(S(1))) << "nothing is dealt into the gap";

    Row(kDecade, 8, {H(5), C(13), D(3), H(7), S(4), C(6), D(1)});
    EXPECT_EQ(JudgeSelection(context, {D(3), H(7)}), V::Complete);
    EXPECT_EQ(JudgeSelection(context, {H(5), D(3)}), V::Invalid) << "not side by side";
    EXPECT_EQ(JudgeSelection(context, {H(5), C(13)}), V::Partial) << "15: a run may go on";
    EXPECT_EQ(JudgeSelection(context, {H(7), D(3), C(13)}), V::Complete) << "20, chosen in any order, the King counting 10";
    EXPECT_EQ(JudgeSelection(context, {D(3), C(6)}), V::Invalid) << "a gap between the chosen cards";
    Click(S(4));
    Click(C(6));
    EXPECT_EQ(Tableau(4), CodeText(D(1)));
    EXPECT_EQ(Tableau(5), "");
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({S(4), C(6)}));
}

TEST_F(ClosingRowTest, TheStockDealsOntoTheRowsEndUntilTheRowIsFull)
{
    Row(kBayan, 3, {H(5)}, {S(1), S(2), S(3)});
    ClickStock();
    EXPECT_EQ(Tableau(1), CodeText(S(3)));
    ClickStock();
    EXPECT_EQ(Tableau(2), CodeText(S(2)));
    EXPECT_EQ(context.undoHistory.Size(), 2u) << "one undo step a card";
    ClickStock();
    EXPECT_EQ(context.piles.Stock(), CodeText(S(1))) << "no place is left";
    EXPECT_EQ(presentation.events.back(), "info: The row is full: close it up before you deal again.");
}

TEST_F(ClosingRowTest, AccordionIsWonWithThePackInOnePileAndTheStockOut)
{
    Row(kAccordion, 4, {});
    Tableau(0) = PileTextOf({H(5), C(5), C(9)});
    EXPECT_TRUE(IsGameWon(context));
    Tableau(1) = CodeText(S(2));
    EXPECT_FALSE(IsGameWon(context)) << "two piles";
    Tableau(1).clear();
    context.piles.Stock() = CodeText(S(2));
    EXPECT_FALSE(IsGameWon(context)) << "the stock is not out";
    Row(kBayan, 4, {H(5)});
    EXPECT_FALSE(IsGameWon(context)) << "Bayan ends with every card gone";
    Tableau(0).clear();
    EXPECT_TRUE(IsGameWon(context));
}

} // namespace
} // namespace marlowe
