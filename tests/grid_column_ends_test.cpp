// Rows of ten between a column of Aces and a column of Kings, read as a grid of columns: a card
// goes home only from an open end of its column, and the stock fills the rows' gaps before it
// deals a new row (Parallels) or fills them at once (British Blockade).

#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/stock.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlowe {
namespace {

constexpr int kParallels = 226;
constexpr int kBritishBlockade = 227;
constexpr int kRows = 7;

// The second pack's cards, which the tests lay by hand, so that they never meet a dealt first-pack
// card of the same code elsewhere on the table.
int Card(int suit, int rank) { return CardCode(suit, rank, 1); }

// One of the two games dealt, its rows and stock then laid by hand.
class GridColumnsTest : public ::testing::Test {
protected:
    explicit GridColumnsTest(int game = kParallels) : play_(testing::ShippedCatalogue(), game, "1234567890123") {}

    GameContext& Context() { return play_.context(); }
    std::string& Row(int k) { return Context().piles.tableaus[static_cast<std::size_t>(k)]; }
    std::string& Stock() { return Context().piles.Stock(); }

    // Lays the rows from the top (each padded to ten cells with gaps), the rest empty.
    void LayRows(const std::vector<std::vector<int>>& rows)
    {
        for (int k = 0; k < kRows; ++k) {
            std::vector<int> cells = k < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(k)] : std::vector<int>{};
            if (!cells.empty())
                cells.resize(10, 0);
            Row(k) = PileTextOf(cells);
        }
    }

    std::vector<int> Cells(int k) { return PileCodes(Row(k)); }

    testing::ProtocolGame play_;
};

std::vector<int> FullRow(int suit, int firstRank)
{
    std::vector<int> row;
    for (int i = 0; i < 10; ++i)
        row.push_back(Card(suit, firstRank + i));
    return row;
}

TEST_F(GridColumnsTest, ParallelsLaysTheAcesAndKingsAndOneRowOfTen)
{
    const GameContext& context = Context();
    for (int f = 0; f < 8; ++f) {
        const std::vector<int> home = PileCodes(context.piles.foundations[static_cast<std::size_t>(f)]);
        ASSERT_EQ(home.size(), 1u) << "foundation " << f;
        EXPECT_EQ(CardRank(home[0]), f < 4 ? Ace : King) << "foundation " << f;
        EXPECT_EQ(CardSuit(home[0]), f % 4) << "foundation " << f;
    }
    const std::vector<int> first = PileCodes(context.piles.tableaus[0]);
    ASSERT_EQ(first.size(), 10u);
    for (const int card : first)
        EXPECT_NE(card, 0);
    for (int k = 1; k < kRows; ++k)
        EXPECT_TRUE(context.piles.tableaus[static_cast<std::size_t>(k)].empty()) << "row " << k;
    EXPECT_EQ(ElementCount(context.piles.Stock()), 104 - 8 - 10);
}

TEST_F(GridColumnsTest, ACardGoesHomeOnlyFromAnOpenEndOfItsColumn)
{
    const int suit = CardSuit(PileCodes(Context().piles.foundations[0]).front());
    LayRows({{Card(suit, 5), Card(suit, 6)}, {Card(suit, 2), 0}, {Card(suit, Queen), Card(suit, 9)}});
    const GameContext& context = Context();
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, Card(suit, 2))) << "a card above it and one below";
    EXPECT_TRUE(CanPlayOnFoundation(context, 4, Card(suit, Queen))) << "the bottom end of its column";

    Row(0) = PileTextOf({0, Card(suit, 6), 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(CanPlayOnFoundation(context, 0, Card(suit, 2))) << "the top end, once the card above is gone";
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, Card(suit, 9))) << "open, but not the next card up";
    EXPECT_FALSE(CanPlayOnFoundation(context, 1, Card(suit, 2))) << "another suit's foundation";
}

TEST_F(GridColumnsTest, AClickFillsTheGapsBeforeItDealsARowBeneathTheLast)
{
    std::vector<int> first = FullRow(0, 1);
    first[3] = 0;
    first[7] = 0;
    LayRows({first, {Card(1, 1)}});
    Stock() = PileTextOf(FullRow(2, 1)) + PileTextOf(FullRow(3, 1)) + PileTextOf(FullRow(1, 2));
    const int top = TopElement(Stock());

    ASSERT_EQ(play_.Run("stock"), "ok");
    EXPECT_EQ(Cells(0)[3], top) << "the first gap takes the stock's top card";
    for (int k = 0; k < 2; ++k)
        for (const int card : Cells(k))
            EXPECT_NE(card, 0) << "row " << k << ": every gap of the dealt rows filled";
    EXPECT_TRUE(Row(2).empty()) << "no new row while there were gaps";
    EXPECT_EQ(ElementCount(Stock()), 30 - 11);

    ASSERT_EQ(play_.Run("stock"), "ok");
    EXPECT_EQ(Cells(2).size(), 10u) << "no gaps: a new row beneath the last";
    EXPECT_TRUE(Row(3).empty());

    ASSERT_EQ(play_.Run("undo"), "ok");
    EXPECT_TRUE(Row(2).empty()) << "the row is one undo step";
    ASSERT_EQ(play_.Run("undo"), "ok");
    EXPECT_EQ(Cells(0)[3], 0) << "the filling of the gaps is one undo step";
    EXPECT_EQ(Cells(1)[1], 0);
}

TEST_F(GridColumnsTest, NoRowIsDealtPastTheSeventh)
{
    std::vector<std::vector<int>> rows;
    for (int k = 0; k < kRows; ++k)
        rows.push_back(FullRow(k % 4, 1 + k % 3));
    LayRows(rows);
    Stock() = PileTextOf(FullRow(0, 2));
    play_.Run("stock");
    EXPECT_EQ(ElementCount(Stock()), 10) << "the stock keeps its cards";
}

class BritishBlockadeTest : public GridColumnsTest {
protected:
    BritishBlockadeTest() : GridColumnsTest(kBritishBlockade) {}
};

TEST_F(BritishBlockadeTest, AGapTakesTheStocksTopCardAtOnce)
{
    const int suit = CardSuit(PileCodes(Context().piles.foundations[0]).front());
    std::vector<int> first = FullRow((suit + 1) % 4, 1);
    first[4] = Card(suit, 2);
    LayRows({first});
    Stock() = PileTextOf(FullRow((suit + 2) % 4, 1));
    const int top = TopElement(Stock());

    ASSERT_EQ(play_.Run("drop " + std::to_string(Card(suit, 2)) + " Dest1"), "ok") << play_.messages.str();
    EXPECT_EQ(Cells(0)[4], top) << "the gap filled from the stock";
    EXPECT_EQ(ElementCount(Stock()), 9);
    EXPECT_TRUE(Row(1).empty());

    ASSERT_EQ(play_.Run("stock"), "ok");
    EXPECT_EQ(Cells(1).size(), 9u) << "a click deals a new row, as far as the stock goes";
}

} // namespace
} // namespace marlowe
