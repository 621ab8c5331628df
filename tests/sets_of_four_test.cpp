// The discard pile of four of a kind: sets leave the tableau by themselves, after a move or a
// dealt row, and undo with what made them.

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/stock.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr PileRef kDiscardPile{PileGroup::Foundations, 0};
constexpr PileRef TableauPile(int k) { return {PileGroup::Tableaus, k}; }
constexpr int Seven(int suit) { return CardCode(suit, 7); }

// Four piles that take a card of their top card's rank, a stock dealing a row onto them, one
// discard pile of sets.
class SetsOfFourTest : public ::testing::Test {
protected:
    SetsOfFourTest() : context(presentation)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::FoundationCount] = 1;
        rules[rule::TableauCount] = 4;
        rules[rule::StockShown] = 1;
        rules[rule::StockFaceDown] = 1;
        rules[rule::PassesAllowed] = -1;
        rules[rule::RedealStyle] = redeal::GatherOntoStock;
        rules[rule::FoundationFullCount] = 52;
        rules.Of(rule::FoundationBaseRank, 0) = base_rank::FourOfAKind;
        rules.Of(rule::FoundationFullCountOf, 0) = -1;
        for (int k = 0; k < 4; ++k) {
            rules.Of(rule::TableauBuildCode, k) = building::SameRank;
            rules.Of(rule::TableauDealMode, k) = deal_mode::Row;
        }
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    void Click()
    {
        StockClick(context);
        ReleaseStockButton(context);
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(SetsOfFourTest, TheFourthCardOfARankOnAPileTakesTheSetAwayAndUndoesWithTheMove)
{
    Tableau(0) = CodeText(CardCode(Hearts, 2)) + CodeText(Seven(Hearts)) + CodeText(Seven(Diamonds)) + CodeText(Seven(Clubs));
    Tableau(1) = CodeText(CardCode(Clubs, 9)) + CodeText(Seven(Spades));
    Tableau(2) = CodeText(CardCode(Spades, 9));
    ASSERT_TRUE(ExecuteMove(context, Seven(Spades), TableauPile(0)));
    EXPECT_EQ(ElementCount(context.piles.foundations[0]), 4);
    EXPECT_EQ(Tableau(0), CodeText(CardCode(Hearts, 2)));
    EXPECT_EQ(Tableau(1), CodeText(CardCode(Clubs, 9)));

    Undo(context);
    EXPECT_EQ(context.piles.foundations[0], "") << "the set comes back with the move";
    EXPECT_EQ(ElementCount(Tableau(0)), 4);
    EXPECT_EQ(TopElement(Tableau(1)), Seven(Spades));
}

TEST_F(SetsOfFourTest, EqualTopsAreJudgedAfterTheWholeRowIsDealt)
{
    // The row's first card is the fourth 7, but the same row covers the other three.
    Tableau(0) = CodeText(CardCode(Hearts, 2));
    Tableau(1) = CodeText(Seven(Diamonds));
    Tableau(2) = CodeText(Seven(Clubs));
    Tableau(3) = CodeText(Seven(Spades));
    context.piles.Stock() = CodeText(CardCode(Clubs, 3)) + CodeText(CardCode(Clubs, 4)) + CodeText(CardCode(Clubs, 5)) +
                            CodeText(Seven(Hearts));
    Click();
    EXPECT_EQ(TopElement(Tableau(0)), Seven(Hearts)) << "the stock's top card goes to the first pile";
    EXPECT_EQ(context.piles.foundations[0], "");

    // A row that completes the tops makes a set at once; the 2s and the Kings it uncovers
    // follow, all in the click's one undo step.
    for (int suit = 0; suit < 4; ++suit)
        Tableau(suit) = CodeText(CardCode(suit, King)) + CodeText(CardCode(suit, 2));
    context.piles.Stock() = CodeText(Seven(Spades)) + CodeText(Seven(Clubs)) + CodeText(Seven(Diamonds)) + CodeText(Seven(Hearts));
    const std::size_t before = context.undoHistory.Size();
    Click();
    EXPECT_EQ(ElementCount(context.piles.foundations[0]), 12);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Tableau(k), "");
    EXPECT_EQ(context.undoHistory.Size(), before + 1);
    Undo(context);
    EXPECT_EQ(context.piles.foundations[0], "");
    EXPECT_EQ(Tableau(3), CodeText(CardCode(Spades, King)) + CodeText(CardCode(Spades, 2)));
}

TEST_F(SetsOfFourTest, ThePlayerCannotDropACardOnTheDiscardPile)
{
    Tableau(0) = CodeText(Seven(Hearts));
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, Seven(Hearts), 1));
}

} // namespace
} // namespace marlowe
