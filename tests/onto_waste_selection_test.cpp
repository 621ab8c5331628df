// The golf games played by selection: a free card one rank from the waste pile's top goes
// there, from columns or from overlapping rows of peaks, with the corner, a dead King or wild
// jokers; the peaks' geometry; the grid that closes up by columns; a deal with no rank twice in
// a pile.

#include "card_names.h"
#include "deal_test_support.h"

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/selection.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

class OntoWasteTest : public ::testing::Test {
protected:
    OntoWasteTest() : context(presentation)
    {
        context.rules[rule::PackSize] = 52;
        context.flags.Set(GameInProgress);
    }

    void Game(int special, std::vector<int> rowCounts, int style)
    {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(special);
        context.rules[rule::TableauStyle] = static_cast<std::int16_t>(style);
        context.rules[rule::TableauCount] = static_cast<std::int16_t>(rowCounts.size());
        for (std::size_t k = 0; k < rowCounts.size(); ++k)
            context.rules.Of(rule::TableauCardCount, static_cast<int>(k)) = static_cast<std::int16_t>(rowCounts[k]);
    }
    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    std::string& WastePile() { return context.piles.stockGroup[kSecondWasteSlot]; }
    void Click(int k, int card) { SelectCard(context, {PileGroup::Tableaus, k}, card); }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(OntoWasteTest, EachCodeTakesItsRankNeighboursOntoTheWaste)
{
    const int joker = kFirstJoker;
    const struct {
        int special, top, card;
        bool fits;
    } rows[] = {
        {90, H(7), C(8), true},   {90, H(7), C(6), true},   {90, H(7), C(9), false}, {90, H(13), C(1), true},
        {90, H(1), C(13), true},  {90, H(13), C(12), true}, {91, H(13), C(12), false}, {91, H(13), C(1), false},
        {91, H(12), C(13), true}, {91, H(2), C(1), true},   {93, H(13), C(1), false}, {93, joker, C(5), true},
        {93, H(9), joker, true},  {93, H(9), C(9), false},
    };
    for (const auto& row : rows) {
        Game(row.special, {1, 1}, 1);
        WastePile() = CodeText(row.top);
        Tableau(0) = CodeText(row.card);
        Tableau(1) = CodeText(S(3));
        context.piles.foundations[0].clear();
        Click(0, row.card);
        EXPECT_EQ(Tableau(0).empty(), row.fits) << row.special << ": " << row.card << " on " << row.top;
        EXPECT_EQ(context.piles.foundations[0], "") << "a card that does not fit is let go at once";
    }
}

TEST_F(OntoWasteTest, OnlyAColumnsTopCardIsFreeAndTheColumnsClearedWinWhateverTheStockHolds)
{
    Game(91, {2}, 1);
    WastePile() = CodeText(H(5));
    Tableau(0) = PileTextOf({C(7), S(6)});
    context.piles.Stock() = CodeText(H(10));
    Click(0, C(7));
    EXPECT_EQ(Tableau(0), PileTextOf({C(7), S(6)})) << "the 7 lies under the 6";
    Click(0, S(6));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Tableau(0), PileTextOf({C(7), S(6)})) << "each card is one undo step";
    Click(0, S(6));
    Click(0, C(7));
    EXPECT_EQ(WastePile(), PileTextOf({H(5), S(6), C(7)}));
    EXPECT_TRUE(IsGameWon(context)) << "the stock's card does not matter";
}

TEST_F(OntoWasteTest, PeaksLieInCellsWithRoomBetweenThem)
{
    Game(90, {3, 6, 9, 10}, 4);
    const RuleVector& rules = context.rules;
    EXPECT_EQ(PyramidCellIndex(rules, 0, 1), 3);
    EXPECT_EQ(PyramidCellIndex(rules, 1, 2), 3);
    EXPECT_EQ(PyramidCellIndex(rules, 1, 5), 7);
    EXPECT_EQ(PyramidCellIndex(rules, 2, 5), 5) << "the third row runs without room";
    EXPECT_EQ(PyramidCellIndex(rules, 3, 9), 9);
    // Each peak's tip lies centred over its two cards of the second row.
    EXPECT_EQ(PyramidHalfSteps(rules, 0, 2), PyramidHalfSteps(rules, 1, 4) + 1);
    EXPECT_EQ(PyramidHalfSteps(rules, 0, 2), PyramidHalfSteps(rules, 1, 5) - 1);
    Game(90, {1, 2, 3}, 4);
    EXPECT_EQ(PyramidCellIndex(rules, 2, 2), 2) << "a single pyramid's rows run without room";
    Game(90, {3, 2, 1}, 4);
    EXPECT_EQ(PyramidHalfSteps(rules, 1, 0), PyramidHalfSteps(rules, 0, 0) + 1) << "narrowing rows shift right";
}

TEST_F(OntoWasteTest, APeakCardIsFreeOnceItsTwoCoveringCardsAreGoneAndTurnsUpInTheSameStep)
{
    Game(90, {3, 6, 9, 10}, 4);
    Tableau(0) = PileTextOf({H(1), H(2), H(3)});
    Tableau(1) = PileTextOf({C(4), C(5), C(6), C(7), C(8), C(9)});
    Tableau(2) = PileTextOf(std::vector<int>(9, 0));
    Tableau(3) = PileTextOf(std::vector<int>(10, 0));
    for (const int card : {H(1), H(2), H(3)})
        context.cards.SetCardFaceMark(card, '0');
    WastePile() = CodeText(S(8));
    Click(1, C(7)); // the second peak's right card
    EXPECT_TRUE(context.cards.IsFaceDown(H(2))) << "the 6 still covers the second tip";
    Click(1, C(6));
    EXPECT_FALSE(context.cards.IsFaceDown(H(2)));
    EXPECT_TRUE(context.cards.IsFaceDown(H(1))) << "the first peak is untouched";
    EXPECT_EQ(Tableau(1), PileTextOf({C(4), C(5), 0, 0, C(8), C(9)}));
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(context.cards.IsFaceDown(H(2))) << "the turn-up belongs to the card's step";
    EXPECT_FALSE(IsGameWon(context));
    Tableau(0) = PileTextOf({0, 0, 0});
    Tableau(1) = PileTextOf(std::vector<int>(6, 0));
    EXPECT_TRUE(IsGameWon(context));
}

TEST_F(OntoWasteTest, TheCardUnderTheWastesTopIsFreeWhereTheGameSaysSo)
{
    for (const int special : {4, 94}) {
        Game(special, {1, 2}, 4);
        Tableau(0) = CodeText(H(5));
        Tableau(1) = PileTextOf({C(6), S(7)});
        context.piles.Waste() = PileTextOf({S(3), H(3), C(10)});
        context.piles.foundations[0].clear();
        SelectCard(context, {PileGroup::StockGroup, kWasteSlot}, S(3));
        EXPECT_EQ(context.piles.foundations[0], "") << special << ": the bottom card is never free";
        SelectCard(context, {PileGroup::StockGroup, kWasteSlot}, H(3));
        SelectCard(context, {PileGroup::StockGroup, kWasteSlot}, C(10));
        if (special == 94)
            EXPECT_EQ(context.piles.Waste(), CodeText(S(3))) << "the top card pairs with the card under it";
        else
            EXPECT_EQ(context.piles.Waste(), PileTextOf({S(3), H(3), C(10)})) << "only the top card is free";
    }
}

TEST_F(OntoWasteTest, TheStockClickOfTheColumnGridMovesCardsUpTheirColumnsThenRefills)
{
    context.rules[rule::SpecialGame] = 92;
    context.rules[rule::TableauCount] = 6;
    context.rules[rule::GridColumns] = 2;
    // Two columns of three: the left holds a gap over a card, the right a card over a gap.
    Tableau(2) = CodeText(H(3));
    Tableau(4) = CodeText(H(5));
    Tableau(1) = CodeText(C(2));
    Tableau(3) = CodeText(C(4));
    context.piles.Stock() = PileTextOf({S(1), S(2), S(3)});
    SelectCard(context, {PileGroup::StockGroup, kStockSlot}, 0);
    EXPECT_EQ(Tableau(0), CodeText(H(3)));
    EXPECT_EQ(Tableau(2), CodeText(H(5)));
    EXPECT_EQ(Tableau(1), CodeText(C(2)));
    EXPECT_EQ(Tableau(3), CodeText(C(4)));
    EXPECT_EQ(Tableau(4), CodeText(S(3))) << "the stock fills the empty places in reading order";
    EXPECT_EQ(Tableau(5), CodeText(S(2)));
    EXPECT_EQ(context.undoHistory.Size(), 1u);
}

} // namespace

namespace testing {
namespace {

TEST_F(DealTest, NoPileOfTheRankedDealHoldsARankTwiceOnAnyDeal)
{
    Set(rule::PackSize, 104);
    Set(rule::DealFamily, 28);
    Tableaus(10, 10, 10);
    Set(rule::ReserveCount, 4);
    SetEach(rule::ReserveCardCount, 4, 1);
    for (int deal = 1; deal <= 200; ++deal) {
        Deal(std::to_string(1000003 * deal));
        for (int k = 0; k < 10; ++k) {
            Codes ranks;
            for (const int code : Of(T(k)))
                ranks.push_back(RankOf(code));
            std::sort(ranks.begin(), ranks.end());
            ASSERT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end()) << "deal " << deal << " pile " << k;
        }
        ASSERT_EQ(TableCards().size(), 104u) << deal;
    }
}

TEST_F(DealTest, TheAceToNinePackHoldsThirtySixCards)
{
    Set(rule::StrippedPack, 3);
    const Codes pack = Shuffle("1234567890123");
    EXPECT_EQ(pack.size(), 36u);
    EXPECT_TRUE(std::all_of(pack.begin(), pack.end(), [](int c) { return RankOf(c) >= 1 && RankOf(c) <= 9; }));
}

} // namespace
} // namespace testing
} // namespace marlowe
