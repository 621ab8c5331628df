// The selection games: which selections make a set, the click that selects and deselects,
// the pyramid's free cards, the removal and its undo, the closing up, and the exchange.

#include "card_names.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/court_slots.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"
#include "engine/selection.h"
#include "catalogue/pyramid_rows.h"
#include "engine/selection_removal.h"
#include "engine/stock.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace marlowe {
namespace {

using V = SelectionVerdict;

class SelectionTest : public ::testing::Test {
protected:
    SelectionTest() : context(presentation)
    {
        context.rules[rule::PackSize] = 52;
        context.rules[rule::TableauCount] = 25;
        context.flags.Set(GameInProgress);
    }

    void Game(int special, int mode = 0)
    {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(special);
        context.rules[rule::SelectionMode] = static_cast<std::int16_t>(mode);
    }

    std::string& Tableau(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }
    PileRef TableauRef(int k) { return {PileGroup::Tableaus, k}; }
    void Click(int k, int card) { SelectCard(context, TableauRef(k), card); }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(SelectionTest, EachGameAcceptsItsSetsAndRefusesTheRest)
{
    struct Placed {
        int card, tableau;
    };
    const struct {
        int special, mode;
        std::vector<Placed> cards;
        V expected;
    } rows[] = {
        {1, 10, {{H(5), 0}, {C(5), 1}}, V::Complete},
        {1, 10, {{H(5), 0}, {C(4), 1}}, V::Invalid},
        {1, 10, {{H(10), 0}}, V::Partial},
        {1, 10, {{H(12), 0}, {C(12), 1}, {D(12), 2}, {S(12), 3}}, V::Complete},
        {1, 10, {{H(12), 0}, {C(13), 1}}, V::Invalid},
        {1, 15, {{H(5), 0}, {C(4), 1}, {D(6), 2}}, V::Complete},
        {1, 15, {{H(11), 0}}, V::Invalid},
        {3, 0, {{H(6), 0}, {C(8), 1}}, V::Complete},
        {3, 0, {{H(6), 0}, {C(7), 1}}, V::Invalid},
        {4, 0, {{H(13), 0}}, V::Complete},
        {4, 0, {{H(6), 0}, {C(7), 1}}, V::Complete},
        {4, 0, {{H(6), 0}}, V::Partial},
        {4, 0, {{H(6), 0}, {C(6), 1}}, V::Invalid},
        {8, 0, {{H(6), 0}, {C(6), 6}}, V::Complete},  // diagonal neighbours on a grid of five
        {8, 0, {{H(6), 4}, {C(6), 5}}, V::Invalid},   // end of one row, start of the next
        {8, 0, {{H(6), 0}, {C(7), 1}}, V::Invalid},
        {14, 0, {{H(6), 0}, {C(6), 9}}, V::Complete},
        {17, 0, {{H(4), 0}, {C(7), 1}}, V::Complete},
        {17, 0, {{H(11), 0}, {C(12), 1}}, V::Partial},
        {17, 0, {{H(11), 0}, {C(12), 1}, {S(13), 2}}, V::Complete},
        {17, 0, {{H(11), 0}, {C(11), 1}}, V::Invalid},
        {17, 0, {{H(4), 0}, {C(11), 1}}, V::Invalid},
        {18, 0, {{H(1), 0}}, V::Complete},
        {18, 0, {{H(13), 0}, {C(10), 1}, {D(5), 2}, {S(3), 3}}, V::Complete},
        {18, 0, {{C(10), 1}, {D(5), 2}, {S(2), 3}}, V::Invalid},
        {18, 0, {{H(13), 0}, {C(12), 1}}, V::Invalid},
        {20, 0, {{H(13), 0}, {C(10), 1}}, V::Complete},
        {20, 0, {{H(4), 0}}, V::Partial},
        {20, 0, {{H(13), 0}, {C(12), 1}, {D(11), 2}, {S(2), 3}}, V::Invalid},
        {24, 0, {{H(9), 0}}, V::Complete},
        {24, 0, {{H(4), 0}, {C(5), 1}}, V::Complete},
        {24, 0, {{H(10), 0}, {C(11), 1}, {D(12), 2}, {S(13), 3}}, V::Complete},
        {24, 0, {{H(4), 0}, {C(4), 1}}, V::Invalid},
        {41, 0, {{H(12), 0}, {C(5), 1}, {D(7), 2}}, V::Complete},
        {41, 0, {{H(12), 0}, {C(13), 1}}, V::Invalid},
        {41, 0, {{C(5), 1}, {D(7), 2}}, V::Partial},
        {47, 0, {{H(6), 0}, {C(6), 2}}, V::Complete},
        {47, 0, {{H(6), 6}, {C(6), 8}}, V::Invalid}, // tableaus 7 and 9 lie in two groups
        {47, 0, {{H(6), 0}, {C(6), 1}}, V::Invalid},
        {71, 0, {{H(6), 0}, {C(8), 5}}, V::Complete},
        {71, 0, {{H(6), 0}, {C(8), 6}}, V::Invalid},
        {75, 0, {{H(13), 0}}, V::Complete},
        {75, 0, {{H(6), 3}, {C(7), 8}}, V::Complete}, // the short column 3, 8, 13
        {75, 0, {{H(6), 0}, {C(7), 3}}, V::Invalid},
        {7, 13, {{H(6), 0}, {C(7), 1}}, V::Complete},
        {7, 13, {{H(2), 0}, {C(3), 1}, {D(8), 2}}, V::Invalid},
        {99, 11, {{H(2), 0}, {C(3), 1}, {D(6), 2}}, V::Complete},
        {45, 10, {{H(4), 0}, {H(6), 1}}, V::Complete},
        {45, 10, {{H(4), 0}, {C(6), 1}}, V::Invalid},
        {79, 14, {{H(6), 0}, {C(8), 20}}, V::Complete}, // one column of the grid of five
        {79, 14, {{H(6), 0}, {C(8), 6}}, V::Invalid},   // touching, but in no common line
        {80, 1, {{H(6), 0}, {C(6), 24}}, V::Complete},  // anywhere in the grid
        {81, 13, {{H(13), 7}}, V::Complete},
        {81, 13, {{H(6), 0}, {C(7), 6}}, V::Complete},
        {81, 13, {{H(6), 0}, {C(7), 2}}, V::Invalid},   // two cells apart
        {82, 15, {{H(2), 0}, {C(3), 1}, {D(4), 2}, {S(6), 3}}, V::Complete},
        {82, 15, {{H(9), 0}, {C(10), 1}}, V::Invalid},  // a 10 goes only with the courts
        {82, 15, {{H(10), 0}, {C(11), 1}, {D(12), 2}, {S(13), 3}}, V::Complete},
        {83, 10, {{H(3), 0}, {C(7), 1}}, V::Complete},
        {83, 10, {{H(12), 0}, {C(12), 1}}, V::Complete},
        {83, 10, {{H(12), 0}, {C(13), 1}}, V::Invalid},
        {83, 10, {{H(10), 0}}, V::Invalid},             // the 10s never leave
        {84, 11, {{H(11), 0}, {C(11), 1}}, V::Complete},
        {84, 11, {{H(12), 0}, {C(13), 1}}, V::Complete},
        {84, 11, {{H(12), 0}, {H(13), 1}}, V::Invalid}, // a Queen and King of one suit
        {84, 11, {{H(1), 0}, {C(10), 1}}, V::Complete},
        {85, 1, {{H(2), 0}, {H(12), 1}}, V::Complete},
        {86, 1, {{H(2), 0}, {S(2), 1}}, V::Invalid},
        {87, 13, {{H(13), 0}}, V::Complete},
        {87, 13, {{H(2), 0}, {C(3), 1}, {D(8), 2}}, V::Invalid},
        {88, 1, {{H(6), 0}, {C(6), 1}}, V::Complete},
        {88, 1, {{H(6), 0}, {C(7), 1}}, V::Invalid},
    };
    for (const auto& row : rows) {
        Game(row.special, row.mode);
        context.piles.Clear();
        std::vector<int> selected;
        for (const Placed& placed : row.cards) {
            Tableau(placed.tableau) += CodeText(placed.card);
            selected.push_back(placed.card);
        }
        EXPECT_EQ(JudgeSelection(context, selected), row.expected)
            << "game " << row.special << ", first card " << row.cards.front().card;
    }
}

TEST_F(SelectionTest, PyramidCardsAreFreeWhenNothingCoversThem)
{
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 1;
    context.rules.Of(rule::TableauCardCount, 1) = 2;
    const struct {
        int special;
        std::string row2;
        std::string selection;
        bool top, left;
    } rows[] = {
        {4, PileTextOf({H(2), H(3)}), "", false, true},
        {4, PileTextOf({0, H(3)}), "", false, false},
        {4, PileTextOf({0, 0}), "", true, false},
        {67, PileTextOf({0, H(3)}), "", false, false},               // one coverer, not chosen first
        {67, PileTextOf({0, H(3)}), CodeText(H(3)), true, false},   // its coverer is the first choice
        {67, PileTextOf({H(2), H(3)}), CodeText(H(3)), false, true}, // two coverers
    };
    for (const auto& row : rows) {
        Game(row.special);
        Tableau(0) = CodeText(H(5));
        Tableau(1) = row.row2;
        context.piles.foundations[0] = row.selection;
        EXPECT_EQ(PyramidCardFree(context, H(5)), row.top) << row.special << " " << row.row2;
        EXPECT_EQ(PyramidCardFree(context, H(2)), row.left) << row.special << " " << row.row2;
    }
    EXPECT_FALSE(PyramidCardFree(context, S(9))) << "a card in no row";
}

TEST_F(SelectionTest, AKingAloneLeavesThePyramidAtOneClick)
{
    Game(4);
    context.rules[rule::TableauStyle] = 4;
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 1;
    context.rules.Of(rule::TableauCardCount, 1) = 2;
    Tableau(0) = CodeText(H(5));
    Tableau(1) = PileTextOf({S(13), C(2)});
    Click(1, S(13));
    EXPECT_EQ(Tableau(1), PileTextOf({0, C(2)})) << "the King's cell keeps its place as a gap";
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], CodeText(S(13)));
    EXPECT_EQ(context.piles.foundations[0], "");
    EXPECT_EQ(context.undoHistory.Size(), 1u);

    Click(0, H(5)); // still covered by the 2
    EXPECT_EQ(presentation.events.back(), "beep");
    EXPECT_EQ(context.piles.foundations[0], "");
}

// A two-row pyramid of style 4: the apex over two cards.
class PyramidTest : public SelectionTest {
protected:
    void TwoRows(int special, std::vector<int> bottom)
    {
        Game(special);
        context.rules[rule::TableauStyle] = 4;
        context.rules[rule::TableauCount] = 2;
        context.rules.Of(rule::TableauCardCount, 0) = 1;
        context.rules.Of(rule::TableauCardCount, 1) = 2;
        Tableau(0) = CodeText(H(5));
        Tableau(1) = PileTextOf(bottom);
    }
};

TEST_F(PyramidTest, AHiddenCardTurnsUpOnceBothCoveringCardsAreGoneAndNotBefore)
{
    TwoRows(4, {C(6), S(7)});
    context.cards.SetCardFaceMark(H(5), '0');
    Click(0, H(5));
    EXPECT_EQ(context.piles.foundations[0], "") << "a hidden card is never selected";
    Click(1, C(6));
    Click(1, S(7));
    EXPECT_EQ(Tableau(1), PileTextOf({0, 0}));
    EXPECT_FALSE(context.cards.IsFaceDown(H(5))) << "both coverers gone";
    ASSERT_TRUE(Undo(context));
    EXPECT_TRUE(context.cards.IsFaceDown(H(5))) << "the turn-up belongs to the removal's step";
}

// Rows that widen and then start short again hold several pyramids side by side: each covers
// only its own cards, so the bottom row of every pyramid is free from the start.
TEST_F(PyramidTest, EachOfSeveralPyramidsCoversOnlyItsOwnCards)
{
    TwoRows(4, {C(6), S(7)});
    context.rules[rule::TableauCount] = 5;
    for (const int k : {2, 3, 4})
        context.rules.Of(rule::TableauCardCount, k) = static_cast<std::int16_t>(k - 1);
    Tableau(2) = CodeText(D(1));
    Tableau(3) = PileTextOf({D(2), D(3)});
    Tableau(4) = PileTextOf({D(4), D(5), D(6)});
    EXPECT_EQ(PyramidEndRow(context.rules, 0), 2);
    EXPECT_EQ(PyramidEndRow(context.rules, 3), 5);
    EXPECT_TRUE(PyramidCardFree(context, C(6))) << "the first pyramid's bottom row";
    EXPECT_TRUE(PyramidCardFree(context, D(4)));
    EXPECT_FALSE(PyramidCardFree(context, D(3))) << "covered within its own pyramid";
    EXPECT_FALSE(PyramidCardFree(context, H(5)));

    Click(1, C(6));
    Click(1, S(7));
    EXPECT_EQ(Tableau(1), PileTextOf({0, 0})) << "a 6 and a 7 make 13";
    EXPECT_TRUE(PyramidCardFree(context, H(5))) << "the first pyramid's apex is uncovered";
    EXPECT_FALSE(PyramidCardFree(context, D(1))) << "the second pyramid still covers its apex";

    // Rows narrowing downward are one pyramid, however they shrink.
    for (const int k : {0, 1, 2, 3, 4})
        context.rules.Of(rule::TableauCardCount, k) = static_cast<std::int16_t>(7 - k);
    EXPECT_EQ(PyramidEndRow(context.rules, 0), 5);
}

TEST_F(PyramidTest, ReserveTopsPairWithPyramidCards)
{
    TwoRows(4, {C(6), S(2)});
    context.rules[rule::ReserveCount] = 1;
    context.piles.reserves[0] = PileTextOf({D(11), H(7)});
    SelectCard(context, {PileGroup::Reserves, 0}, D(11));
    EXPECT_EQ(context.piles.foundations[0], "") << "only the reserve's top card is free";
    SelectCard(context, {PileGroup::Reserves, 0}, H(7));
    Click(1, C(6));
    EXPECT_EQ(context.piles.reserves[0], CodeText(D(11)));
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({H(7), C(6)}));
}

TEST_F(PyramidTest, Code78IsWonWithThePyramidClearedWhateverTheStockHolds)
{
    for (const int special : {4, 78}) {
        TwoRows(special, {S(13), C(8)});
        Tableau(0) = PileTextOf({0});
        context.piles.Stock() = CodeText(D(3));
        context.flags.Set(WonMark, false);
        Click(1, S(13));
        Click(1, C(8)); // an 8 alone is no set
        EXPECT_FALSE(context.flags[WonMark]) << special << ": the 8 is still in the pyramid";
        context.piles.foundations[0].clear();
        Tableau(1) = PileTextOf({0, 0});
        EXPECT_EQ(IsGameWon(context), special == 78) << special;
    }
}

TEST_F(SelectionTest, Code67LetsACardThatMakesNoSetReplaceTheFirstChoice)
{
    const struct {
        int special;
        std::string row2;      // the pyramid's bottom row, under the 5 of hearts
        int first, second;     // clicked in this order
        std::string selection; // afterwards
        bool beeped, replaced; // replaced: the second card became the first choice
    } rows[] = {
        {67, PileTextOf({H(2), C(3)}), H(2), C(3), CodeText(C(3)), false, true}, // 2 and 3 make no set
        {4, PileTextOf({H(2), C(3)}), H(2), C(3), CodeText(H(2)), true, false},  // code 4 refuses the 3
        {67, PileTextOf({0, C(3)}), C(3), H(5), CodeText(C(3)), true, false},    // the 5 is free only beside C3
        {67, PileTextOf({H(2), S(13)}), H(2), S(13), "", false, true},           // a King replaces and leaves
        {67, PileTextOf({H(2), C(11)}), H(2), C(11), "", false, false},          // a set leaves as usual
    };
    context.rules[rule::TableauStyle] = 4;
    context.rules[rule::TableauCount] = 2;
    context.rules.Of(rule::TableauCardCount, 0) = 1;
    context.rules.Of(rule::TableauCardCount, 1) = 2;
    for (const auto& row : rows) {
        Game(row.special);
        context.piles.Clear();
        presentation.events.clear();
        Tableau(0) = CodeText(H(5));
        Tableau(1) = row.row2;
        Click(1, row.first);
        Click(row.second == H(5) ? 0 : 1, row.second);
        const std::string clicks = std::to_string(row.special) + ": " + std::to_string(row.first) + " then " +
                                   std::to_string(row.second);
        EXPECT_EQ(context.piles.foundations[0], row.selection) << clicks;
        EXPECT_EQ(presentation.EventsStartingWith("beep").size(), row.beeped ? 1u : 0u) << clicks;
        if (row.replaced) {
            EXPECT_EQ(presentation.EventsStartingWith("plain " + std::to_string(row.first) + " ").size(), 1u)
                << clicks << ": the earlier choice is let go on the board";
        }
    }
}

TEST_F(SelectionTest, SelectingACardTwiceLeavesTheSelectionAsItWas)
{
    Game(1, 15);
    Tableau(0) = CodeText(H(3));
    Tableau(1) = CodeText(C(4));
    Click(0, H(3));
    const std::string before = context.piles.foundations[0];
    Click(1, C(4));
    Click(1, C(4));
    EXPECT_EQ(context.piles.foundations[0], before);
    EXPECT_EQ(presentation.EventsStartingWith("beep").size(), 0u);
    EXPECT_EQ(presentation.EventsStartingWith("plain " + std::to_string(C(4))).size(), 1u);
}

TEST_F(SelectionTest, AnImpossiblePairBeepsAndTakesTheLastCardBack)
{
    Game(1, 10);
    Tableau(0) = CodeText(H(3));
    Tableau(1) = CodeText(C(4));
    Click(0, H(3));
    Click(1, C(4));
    EXPECT_EQ(context.piles.foundations[0], CodeText(H(3)));
    EXPECT_EQ(presentation.EventsStartingWith("beep").size(), 1u);
}

TEST_F(SelectionTest, ACompleteSetIsRemovedRefilledAndUndoneInOneStep)
{
    Game(1, 10);
    Tableau(0) = CodeText(H(3));
    Tableau(1) = CodeText(C(7));
    Tableau(2) = CodeText(D(9));
    context.piles.Stock() = PileTextOf({S(1), S(2)});
    const PileStore before = context.piles;
    Click(0, H(3));
    Click(1, C(7));
    EXPECT_EQ(Tableau(0), CodeText(S(2))) << "empty tableaus take the stock's top card in order";
    EXPECT_EQ(Tableau(1), CodeText(S(1)));
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({H(3), C(7)}));
    EXPECT_EQ(context.piles.foundations[0], "");
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

TEST_F(SelectionTest, DecliningTheExchangeAsksAgainNextTime)
{
    Game(71);
    Tableau(0) = CodeText(H(6));
    Tableau(1) = CodeText(C(9));
    presentation.askAnswer = false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        Click(0, H(6));
        Click(1, C(9));
        Click(0, H(6)); // deselect for the next attempt
    }
    EXPECT_EQ(presentation.EventsStartingWith("ask: ").size(), 2u);
    EXPECT_EQ(context.mainGame.GameCounter1, 0);
    EXPECT_EQ(Tableau(0), CodeText(H(6)));

    presentation.askAnswer = true;
    Click(0, H(6));
    Click(1, C(9));
    EXPECT_EQ(Tableau(0), CodeText(C(9)));
    EXPECT_EQ(Tableau(1), CodeText(H(6)));
    EXPECT_EQ(context.mainGame.GameCounter1, 1);
    EXPECT_EQ(context.undoHistory.Last().annotation, "004");
    EXPECT_EQ(context.piles.foundations[0], "");

    Click(0, C(9));
    Click(1, H(6));
    EXPECT_EQ(presentation.EventsStartingWith("ask: ").size(), 3u) << "only once a game";
}

TEST_F(SelectionTest, ThePointerAndTheStockHandOverToTheSelection)
{
    Game(4);
    context.rules[rule::TableauStyle] = 4;
    context.rules[rule::TableauCount] = 1;
    context.rules[rule::WasteShown] = 1;
    context.rules[rule::DrawCount] = 1;
    Tableau(0) = CodeText(H(6));
    context.piles.Stock() = PileTextOf({S(2), C(7)});
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, TableauRef(0), H(6)), PressResult::Acted);
    EXPECT_EQ(context.piles.foundations[0], CodeText(H(6)));
    StockClick(context); // with a card selected, the stock's top card joins the selection
    EXPECT_EQ(Tableau(0), "000");
    EXPECT_EQ(context.piles.Stock(), CodeText(S(2)));
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({H(6), C(7)}));
    EXPECT_EQ(context.piles.Waste(), "") << "the click turned no card";
}

TEST_F(SelectionTest, AClickOnTheDiscardPileTakesTheBottomCardsOfThreeTableaus)
{
    Game(64);
    context.rules[rule::TableauCount] = 3;
    Tableau(0) = PileTextOf({H(2), H(9)});
    Tableau(1) = CodeText(C(5));
    Tableau(2) = CodeText(D(7));
    const PileRef discard{PileGroup::StockGroup, kSecondWasteSlot};
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, discard, 0), PressResult::Acted);
    EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({H(2), C(5), D(7)}));
    EXPECT_TRUE(context.cards.IsFaceDown(C(5)));
    EXPECT_EQ(Tableau(0), CodeText(H(9)));

    Tableau(2) = CodeText(D(8));
    context.piles.Stock() = CodeText(S(1)); // tableau 2 is empty and the stock holds cards: no hand
    EXPECT_EQ(PointerDown(context, PointerButton::Left, false, discard, 0), PressResult::Nothing);
}

TEST_F(SelectionTest, MonteCarloStockClickClosesUpAndRefills)
{
    Game(8);
    context.rules[rule::TableauCount] = 5;
    Tableau(1) = CodeText(H(2));
    Tableau(3) = CodeText(H(4));
    context.piles.Stock() = PileTextOf({S(1), S(2), S(3)});
    SelectCard(context, {PileGroup::StockGroup, kStockSlot}, 0);
    EXPECT_EQ(Tableau(0), CodeText(H(2)));
    EXPECT_EQ(Tableau(1), CodeText(H(4)));
    EXPECT_EQ(Tableau(2), CodeText(S(3)));
    EXPECT_EQ(Tableau(3), CodeText(S(2)));
    EXPECT_EQ(Tableau(4), CodeText(S(1)));
    EXPECT_EQ(context.undoHistory.Size(), 1u);
}

TEST_F(SelectionTest, APairAnywhereClosesTheGridUpAndRefillsItsEndInOneUndoStep)
{
    Game(80, 1);
    context.rules[rule::TableauCount] = 4;
    Tableau(0) = CodeText(H(6));
    Tableau(1) = CodeText(C(9));
    Tableau(2) = CodeText(D(6));
    Tableau(3) = CodeText(S(2));
    context.piles.Stock() = PileTextOf({S(4), S(5)});
    const PileStore before = context.piles;
    Click(0, H(6));
    Click(2, D(6));
    EXPECT_EQ(Tableau(0), CodeText(C(9))) << "the cards close up in reading order";
    EXPECT_EQ(Tableau(1), CodeText(S(2)));
    EXPECT_EQ(Tableau(2), CodeText(S(5))) << "the stock fills the end";
    EXPECT_EQ(Tableau(3), CodeText(S(4)));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, before);
}

TEST_F(SelectionTest, OwnGoalsOfTheSuitAndTenGames)
{
    context.rules[rule::TableauCount] = 4;
    Game(85, 1);
    const std::vector<int> oneEach = {H(3), D(9), C(12), S(1)};
    for (int k = 0; k < 4; ++k)
        Tableau(k) = CodeText(oneEach[static_cast<std::size_t>(k)]);
    EXPECT_TRUE(IsGameWon(context));
    Tableau(3) = CodeText(H(5));
    EXPECT_FALSE(IsGameWon(context)) << "two hearts left";
    context.piles.Clear();
    Game(83, 10);
    Tableau(0) = CodeText(H(10));
    Tableau(2) = CodeText(S(10));
    EXPECT_TRUE(IsGameWon(context));
    context.piles.Stock() = CodeText(S(3));
    EXPECT_FALSE(IsGameWon(context)) << "the stock is not out";
}

TEST_F(SelectionTest, ReserveCardsPairWithTheTopsOfThePiles)
{
    for (const int special : {87, 88}) {
        Game(special, special == 87 ? 13 : 1);
        context.piles.Clear();
        context.rules[rule::ReserveCount] = 1;
        Tableau(0) = PileTextOf({H(7), D(6)});
        context.piles.reserves[0] = CodeText(special == 87 ? S(7) : S(6));
        Click(0, H(7));
        EXPECT_EQ(context.piles.foundations[0], "") << special << ": a covered card is not free";
        SelectCard(context, {PileGroup::Reserves, 0}, TopElement(context.piles.reserves[0]));
        Click(0, D(6));
        EXPECT_EQ(context.piles.reserves[0], "") << special;
        EXPECT_EQ(Tableau(0), CodeText(H(7))) << special << ": nothing refills the pile";
    }
}

TEST_F(SelectionTest, CompactionsMoveWholePiles)
{
    context.rules[rule::TableauCount] = 4;
    Tableau(1) = "001002";
    Tableau(3) = "003";
    CloseGaps(context);
    EXPECT_EQ(Tableau(0), "001002");
    EXPECT_EQ(Tableau(1), "003");
    EXPECT_EQ(Tableau(3), "");

    context.piles.Clear();
    Tableau(1) = "001";
    Tableau(3) = "003";
    EXPECT_TRUE(FillGapsFromRight(context));
    EXPECT_EQ(Tableau(0), "003") << "the last pile fills the first gap";
    EXPECT_EQ(Tableau(2), "") << "no pile stands right of the second gap";
    EXPECT_FALSE(FillGapsFromRight(context));
    EXPECT_EQ(presentation.events.back(), "info: No tableau space to fill.");

    context.rules[rule::TableauCount] = 21;
    context.piles.Clear();
    Tableau(7) = "001";
    Tableau(10) = "002";
    Tableau(15) = "003";
    CloseGroup(context, 9);
    EXPECT_EQ(Tableau(7), "001");
    EXPECT_EQ(Tableau(8), "002");
    EXPECT_EQ(Tableau(15), "003") << "another group";
    EXPECT_TRUE(GroupHasOnePile(context, 20));
    EXPECT_FALSE(GroupHasOnePile(context, 7));
}

// Push Pin (21), Royal Marriage (22) and the scored row (70): one card or two neighbours between
// cards of the same suit or rank leave the row; the game is won with two cards left.
TEST_F(SelectionTest, RowGamesRemoveTheCardsBetweenMatchingCards)
{
    context.rules[rule::TableauCount] = 1;
    for (const int code : {21, 22, 70}) {
        Game(code);
        context.piles.Clear();
        context.undoHistory.Clear();
        context.piles.Stock() = CodeText(S(4));
        Tableau(0) = PileTextOf({H(5), C(2), D(9), H(8), S(9), C(8)});
        EXPECT_EQ(JudgeSelection(context, {C(2)}), V::Partial) << code << ": with the 9 it lies between two hearts";
        EXPECT_EQ(JudgeSelection(context, {C(2), D(9)}), V::Complete) << code;
        EXPECT_EQ(JudgeSelection(context, {C(2), H(8)}), V::Invalid) << code << ": not neighbours";
        EXPECT_EQ(JudgeSelection(context, {S(9)}), V::Complete) << code << ": between two 8s";
        EXPECT_EQ(JudgeSelection(context, {H(5)}), V::Invalid) << code << ": an end card is between nothing";

        Click(0, S(9));
        EXPECT_EQ(Tableau(0), PileTextOf({H(5), C(2), D(9), H(8), C(8)})) << code;
        Click(0, D(9));
        Click(0, C(2));
        EXPECT_EQ(Tableau(0), PileTextOf({H(5), H(8), C(8)})) << code;
        EXPECT_EQ(context.piles.stockGroup[kSecondWasteSlot], PileTextOf({S(9), D(9), C(2)})) << code;
        EXPECT_FALSE(IsGameWon(context)) << code << ": three cards left";
        Tableau(0) = PileTextOf({H(5), H(8)});
        EXPECT_FALSE(IsGameWon(context)) << code << ": the stock is not out";
        context.piles.Stock().clear();
        EXPECT_TRUE(IsGameWon(context)) << code;
    }
}

TEST_F(SelectionTest, RoyalMarriageNeverTakesTheQueenOrKingOfHearts)
{
    context.rules[rule::TableauCount] = 1;
    Game(22);
    Tableau(0) = PileTextOf({C(4), H(12), C(7), S(2), H(13), S(6)});
    EXPECT_FALSE(SelectableCard(context, TableauRef(0), H(12)));
    EXPECT_FALSE(SelectableCard(context, TableauRef(0), H(13)));
    EXPECT_TRUE(SelectableCard(context, TableauRef(0), C(7)));
    Game(21);
    EXPECT_TRUE(SelectableCard(context, TableauRef(0), H(12))) << "Push Pin has no fixed cards";
}

} // namespace
} // namespace marlowe

namespace marlowe {
namespace {

// Suit Elevens: pairs of one suit to 11, and three court slots of one suit that leave together.
class CourtSlotsTest : public SelectionTest {
protected:
    CourtSlotsTest()
    {
        Game(109, 11);
        context.rules[rule::TableauCount] = 5;
        context.rules[rule::ReserveCount] = 3;
        for (int r = 0; r < 3; ++r)
            context.rules.Of(rule::ReserveRule, r) = building::CourtSlot;
    }
    std::string& Slot(int r) { return context.piles.reserves[static_cast<std::size_t>(r)]; }
};

TEST_F(CourtSlotsTest, PairsMustShareTheirSuit)
{
    EXPECT_EQ(JudgeSelection(context, {H(4), H(7)}), V::Complete);
    EXPECT_EQ(JudgeSelection(context, {H(4), S(7)}), V::Invalid) << "eleven, but two suits";
    EXPECT_EQ(JudgeSelection(context, {H(4)}), V::Partial);
    EXPECT_EQ(JudgeSelection(context, {H(5), H(7)}), V::Invalid);
    Tableau(0) = CodeText(H(11));
    EXPECT_EQ(JudgeSelection(context, {H(11)}), V::Complete) << "a court alone goes to a slot";
}

TEST_F(CourtSlotsTest, CourtsFillTheSlotsInOneSuitAndLeaveTogether)
{
    Tableau(0) = CodeText(H(12));
    Tableau(1) = CodeText(S(11));
    Tableau(2) = CodeText(H(11));
    Tableau(3) = CodeText(H(13));
    Tableau(4) = CodeText(C(2));
    context.piles.Stock() = PileTextOf({D(2), D(3), D(4), D(5)});

    Click(0, H(12));
    EXPECT_EQ(Slot(0), CodeText(H(12)));
    EXPECT_EQ(Tableau(0), CodeText(D(5))) << "the stock fills the place at once";
    const PileStore afterFirst = context.piles;

    Click(1, S(11));
    EXPECT_EQ(Tableau(1), CodeText(S(11))) << "a slot takes only the suit the others show";
    EXPECT_TRUE(SelectedCards(context).empty());

    Click(2, H(11));
    EXPECT_EQ(Slot(1), CodeText(H(11)));
    Click(3, H(13));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(Slot(r), "") << "the full set leaves";
    EXPECT_EQ(ElementCount(context.piles.stockGroup[kSecondWasteSlot]), 3);
    EXPECT_EQ(Tableau(3), CodeText(D(3)));

    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(Slot(1), CodeText(H(11))) << "the set comes back with the King's move";
    EXPECT_EQ(Tableau(3), CodeText(H(13)));
    ASSERT_TRUE(Undo(context));
    EXPECT_EQ(context.piles, afterFirst);
}

TEST_F(CourtSlotsTest, ASlotTakesOnlyACourtOfTheSuitTheOthersShow)
{
    Tableau(0) = CodeText(S(12));
    Tableau(1) = CodeText(H(13));
    Tableau(2) = CodeText(H(5));
    EXPECT_EQ(CourtSlotFor(context, S(12)), 0) << "empty slots take any suit";
    EXPECT_EQ(CourtSlotFor(context, H(5)), -1);
    Slot(0) = CodeText(H(12));
    EXPECT_EQ(CourtSlotFor(context, S(12)), -1) << "another suit";
    EXPECT_EQ(CourtSlotFor(context, H(13)), 1);
}

} // namespace
} // namespace marlowe
