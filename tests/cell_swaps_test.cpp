// Rows of cells whose cards change places (Pas de Deux): the deal of two packs kept apart, which
// card may swap and where, the stock's turn within the swap's undo step, the moves the solver
// sees, and the goal of the rows in suit order.

#include "engine/cards.h"
#include "engine/cell_swaps.h"
#include "engine/deal_pack.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_finder.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace marlowe {
namespace {

constexpr int kPasDeDeux = 237;
constexpr int kRows = 4;
constexpr int kCells = 13;

class CellSwapsTest : public ::testing::Test {
protected:
    CellSwapsTest() : game(testing::ShippedCatalogue(), kPasDeDeux, "0000000000001") {}

    GameContext& context() { return game.context(); }
    std::string& Row(int r) { return context().piles.tableaus[static_cast<std::size_t>(r)]; }
    int At(int r, int cell) { return ElementAt(Row(r), cell); }

    // The rows in suit order, every card in its own cell, the waste naming the twin of `twin`.
    void LayRowsInOrder(int twin)
    {
        for (int r = 0; r < kRows; ++r) {
            std::vector<int> cards;
            for (int rank = 1; rank <= kCells; ++rank)
                cards.push_back(CardCode(SuitOfRow(r), rank));
            Row(r) = PileTextOf(cards);
        }
        context().piles.Waste() = PileTextOf({twin + 52});
    }

    testing::ProtocolGame game;
};

TEST_F(CellSwapsTest, TheFirstPackFillsTheRowsAndTheSecondTheStockAndWaste)
{
    ASSERT_TRUE(game.started);
    std::set<int> rows;
    for (int r = 0; r < kRows; ++r) {
        ASSERT_EQ(ElementCount(Row(r)), kCells);
        for (const int card : PileCodes(Row(r)))
            rows.insert(card);
    }
    EXPECT_EQ(rows.size(), 52u);
    EXPECT_EQ(*rows.rbegin(), 52) << "only first-pack cards in the rows";
    const std::vector<int> stock = PileCodes(context().piles.Stock());
    EXPECT_EQ(stock.size(), 51u);
    EXPECT_TRUE(std::all_of(stock.begin(), stock.end(), [](int c) { return c > 52; }));
    EXPECT_GT(TopElement(context().piles.Waste()), 52);
}

TEST_F(CellSwapsTest, OnlyTheWastesTwinSwapsAndOnlyWithinItsRowOrColumn)
{
    LayRowsInOrder(CardCode(Spades, 5)); // row 1, cell 4 (0-based)
    const int twin = CardCode(Spades, 5);
    EXPECT_TRUE(CanPlayInTableauCell(context(), 1, 0, twin)) << "its own row";
    EXPECT_TRUE(CanPlayInTableauCell(context(), 3, 4, twin)) << "its own column";
    EXPECT_FALSE(CanPlayInTableauCell(context(), 3, 5, twin)) << "neither its row nor its column";
    EXPECT_FALSE(CanPlayInTableauCell(context(), 1, 4, twin)) << "its own cell";
    EXPECT_FALSE(CanPlayInTableauCell(context(), 1, 0, CardCode(Spades, 6))) << "not the waste's twin";
    EXPECT_FALSE(CanPlayInTableauCell(context(), 1, 0, twin + 52)) << "the waste card itself stays";
}

TEST_F(CellSwapsTest, ASwapTurnsTheNextCardAndUndoesAsOneStep)
{
    const int twin = TopElement(context().piles.Waste()) - 52;
    int row = -1, cell = -1;
    for (int r = 0; r < kRows && row < 0; ++r)
        for (int c = 0; c < kCells; ++c)
            if (At(r, c) == twin)
                row = r, cell = c;
    ASSERT_GE(row, 0);
    const int target = (cell + 1) % kCells;
    const int displaced = At(row, target);
    const std::string stockBefore = context().piles.Stock();
    const std::string wasteBefore = context().piles.Waste();

    ASSERT_TRUE(ExecuteMove(context(), twin, CardTarget{PileCell{TableauPile(row), target}}));
    EXPECT_EQ(At(row, target), twin);
    EXPECT_EQ(At(row, cell), displaced);
    EXPECT_EQ(ElementCount(context().piles.Waste()), ElementCount(wasteBefore) + 1) << "the next card is turned";
    EXPECT_FALSE(context().cards.IsFaceDown(TopElement(context().piles.Waste())));

    ASSERT_TRUE(Undo(context()));
    EXPECT_EQ(At(row, cell), twin);
    EXPECT_EQ(context().piles.Stock(), stockBefore);
    EXPECT_EQ(context().piles.Waste(), wasteBefore);
}

TEST_F(CellSwapsTest, TheSolverSeesEverySwapOfTheTwin)
{
    LayRowsInOrder(CardCode(Hearts, 1));
    const std::vector<FoundMove> moves = CellMoves(context());
    EXPECT_EQ(moves.size(), static_cast<std::size_t>(kCells - 1 + kRows - 1)) << "twelve in its row, three in its column";
    EXPECT_TRUE(std::all_of(moves.begin(), moves.end(), [](const FoundMove& m) { return m.card == CardCode(Hearts, 1); }));
}

TEST_F(CellSwapsTest, TheGameIsWonWithTheRowsInSuitOrder)
{
    LayRowsInOrder(CardCode(Clubs, 1));
    EXPECT_EQ(CardsInTheirCells(context()), 52);
    EXPECT_EQ(CardsInLineOfTheirCells(context()), 0);
    EXPECT_TRUE(IsGameWon(context()));
    std::swap(Row(2), Row(3));
    EXPECT_EQ(CardsInTheirCells(context()), 26);
    EXPECT_EQ(CardsInLineOfTheirCells(context()), 26) << "in their own columns, one swap from home";
    EXPECT_FALSE(IsGameWon(context())) << "hearts and diamonds change rows";
    std::swap(Row(2), Row(3));
    ASSERT_TRUE(ExecuteMove(context(), CardCode(Clubs, 1), CardTarget{PileCell{TableauPile(0), 12}}));
    EXPECT_FALSE(IsGameWon(context())) << "an Ace swapped with its King";
}

} // namespace
} // namespace marlowe
