// Rows of cells whose gaps both neighbours fill: Maze's six rows read as one ring and its win,
// and Sieben bis As's deal of the 7s to the foundations, which then take a row's card only from
// beside a gap.

#include "card_names.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "cell_rows_table.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace marlowe {
namespace {

struct RowCount {
    std::multiset<int> cards;
    int gaps = 0;
};

RowCount CountRows(const GameContext& context, int rows)
{
    RowCount count;
    for (int k = 0; k < rows; ++k)
        for (const int code : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)])) {
            if (code == 0)
                ++count.gaps;
            else
                count.cards.insert(code);
        }
    return count;
}

TEST(RowsOfNeighboursDeal, MazeDealsSixRowsOfNineWithTheKingsTakenOut)
{
    for (const char* deal : {"0000000000001", "1234567890123", "9999999999999"}) {
        testing::ProtocolGame play(testing::ShippedCatalogue(), 228, deal);
        ASSERT_TRUE(play.started) << deal << play.messages.str();
        const GameContext& context = play.context();
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(ElementCount(context.piles.tableaus[static_cast<std::size_t>(k)]), 9) << deal << " row " << k;
        const RowCount count = CountRows(context, 6);
        EXPECT_EQ(count.gaps, 6) << deal;
        EXPECT_EQ(std::set<int>(count.cards.begin(), count.cards.end()).size(), 48u) << deal << ": every card once";
        EXPECT_TRUE(std::none_of(count.cards.begin(), count.cards.end(), [](int c) { return CardRank(c) == King; })) << deal;
        const std::vector<int> last = PileCodes(context.piles.tableaus[5]);
        EXPECT_EQ(last[7], 0) << deal << ": the last row ends in two gaps";
        EXPECT_EQ(last[8], 0) << deal;
    }
}

TEST(RowsOfNeighboursDeal, SiebenBisAsSendsTheSevensHomeLeavingGaps)
{
    for (const char* deal : {"0000000000001", "1234567890123", "9999999999999"}) {
        testing::ProtocolGame play(testing::ShippedCatalogue(), 236, deal);
        ASSERT_TRUE(play.started) << deal << play.messages.str();
        const GameContext& context = play.context();
        // A 7 dealt to a reserve waits there for its foundation.
        int sevensInReserves = 0;
        for (int r = 0; r < 2; ++r) {
            const std::vector<int> reserve = PileCodes(context.piles.reserves[static_cast<std::size_t>(r)]);
            ASSERT_EQ(reserve.size(), 1u) << deal << " reserve " << r;
            sevensInReserves += CardRank(reserve[0]) == 7 ? 1 : 0;
        }
        std::set<int> suits;
        for (int f = 0; f < 4; ++f)
            for (const int card : PileCodes(context.piles.foundations[static_cast<std::size_t>(f)])) {
                EXPECT_EQ(CardRank(card), 7) << deal;
                suits.insert(CardSuit(card));
            }
        EXPECT_EQ(static_cast<int>(suits.size()), 4 - sevensInReserves) << deal << ": every 7 of the rows home, one a foundation";
        const RowCount count = CountRows(context, 3);
        EXPECT_EQ(count.gaps, 4 - sevensInReserves) << deal << ": each 7 left a gap";
        EXPECT_EQ(count.cards.size(), 26u + static_cast<std::size_t>(sevensInReserves)) << deal;
        EXPECT_TRUE(std::none_of(count.cards.begin(), count.cards.end(), [](int c) { return CardRank(c) == 7; })) << deal;
        EXPECT_TRUE(std::all_of(count.cards.begin(), count.cards.end(), [](int c) {
            return CardRank(c) == Ace || CardRank(c) >= 7;
        })) << deal << ": the Piquet pack";
    }
}

// Six rows of nine cells read as one ring, as Maze has them.
class MazeRingTest : public testing::CellRowsTable {
protected:
    MazeRingTest() : CellRowsTable(9, Ace, deal_family::KingsToGapsInRowsOfNine)
    {
        context.rules[rule::TableauCount] = 6;
        for (int k = 0; k < 6; ++k) {
            context.rules.Of(rule::TableauBaseRank, k) = base_rank::NoCard;
            context.rules.Of(rule::TableauDirection, k) = direction::Up;
            context.rules.Of(rule::TableauBuildCode, k) = building::InSuitAroundTheRing;
            context.rules.Of(rule::TableauWrap, k) = wrap::None;
            Row(k) = Cells({});
        }
    }

    // The ring's cells in reading order laid into the six rows.
    void LayRing(const std::vector<int>& ring)
    {
        for (int k = 0; k < 6; ++k)
            Row(k) = Cells(std::vector<int>(ring.begin() + k * 9, ring.begin() + (k + 1) * 9));
    }
};

TEST_F(MazeRingTest, AGapTakesFromEitherNeighbourAcrossTheEndsOfTheRows)
{
    Row(0) = Cells({C(2), C(3), C(4), C(5), C(6), C(7), C(8), C(9), H(5)});
    Row(1) = Cells({0, S(9)});
    EXPECT_TRUE(CanPlayInTableauCell(context, 1, 0, H(6))) << "after the end of the row above";
    EXPECT_TRUE(CanPlayInTableauCell(context, 1, 0, S(8))) << "before its right neighbour";
    EXPECT_FALSE(CanPlayInTableauCell(context, 1, 0, H(4)));
    EXPECT_FALSE(CanPlayInTableauCell(context, 1, 0, D(6))) << "another suit";

    Row(5) = Cells({S(2), S(3), S(4), S(5), S(6), S(7), S(8), S(9), 0});
    EXPECT_TRUE(CanPlayInTableauCell(context, 5, 8, S(10))) << "after its left neighbour";
    EXPECT_TRUE(CanPlayInTableauCell(context, 5, 8, C(1))) << "the last cell runs on into the first";

    Row(2) = Cells({H(12), 0, D(1)});
    EXPECT_TRUE(CanPlayInTableauCell(context, 2, 1, S(1))) << "an Ace follows any Queen";
    Row(2) = Cells({H(4), 0, D(1)});
    EXPECT_FALSE(CanPlayInTableauCell(context, 2, 1, C(12))) << "a Queen goes before no Ace but by its suit's rule";
    Row(2) = Cells({H(4), 0, 0});
    EXPECT_FALSE(CanPlayInTableauCell(context, 2, 2, H(5))) << "between two gaps";
}

TEST_F(MazeRingTest, WonWhenTheSuitsRunFromAceToQueenRoundTheRing)
{
    // Six gaps between the runs, the first run starting in the last row and wrapping to the first.
    std::vector<int> ring;
    for (const int suit : {Clubs, Diamonds, Spades, Hearts}) {
        for (int rank = Ace; rank <= Queen; ++rank)
            ring.push_back(CardCode(suit, rank));
        ring.push_back(0);
    }
    ring.push_back(0);
    ring.push_back(0);
    std::rotate(ring.begin(), ring.begin() + 10, ring.end());
    LayRing(ring);
    EXPECT_TRUE(IsGameWon(context));

    std::swap(ring[0], ring[ring.size() - 1]); // the wrapping run's 10 and Jack change places
    LayRing(ring);
    EXPECT_FALSE(IsGameWon(context));
    std::swap(ring[0], ring[ring.size() - 1]);
    std::swap(ring[2], ring[3]); // a gap inside a run
    LayRing(ring);
    EXPECT_FALSE(IsGameWon(context));
}

// Sieben bis As dealt, its rows then set by hand.
class SiebenBisAsHomeTest : public ::testing::Test {
protected:
    SiebenBisAsHomeTest() : play_(testing::ShippedCatalogue(), 236, "1234567890123") {}

    GameContext& Context() { return play_.context(); }
    std::string& Pile(PileGroup group, int k) { return Context().piles[PileRef{group, k}]; }

    testing::ProtocolGame play_;
};

TEST_F(SiebenBisAsHomeTest, ARowsCardGoesHomeOnlyFromBesideAGap)
{
    Pile(PileGroup::Foundations, 0) = PileTextOf({C(7)});
    Pile(PileGroup::Foundations, 1) = PileTextOf({D(7)});
    Pile(PileGroup::Foundations, 2) = PileTextOf({H(7), H(8), H(9), H(10), H(11), H(12), H(13)});
    Pile(PileGroup::Foundations, 3) = PileTextOf({S(7)});
    Pile(PileGroup::Tableaus, 0) = PileTextOf({C(8), 0, D(8), H(1), 0, 0, 0, 0, 0, 0});
    Pile(PileGroup::Tableaus, 1) = PileTextOf({0, C(9), D(9), 0, 0, 0, 0, 0, 0, 0});
    Pile(PileGroup::Tableaus, 2) = PileTextOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Pile(PileGroup::Reserves, 0) = PileTextOf({S(8)});
    Pile(PileGroup::Reserves, 1) = PileTextOf({});
    const GameContext& context = Context();
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, C(8))) << "the left end of a row has no cell on its left";
    EXPECT_TRUE(CanPlayOnFoundation(context, 1, D(8))) << "a gap on its left";
    EXPECT_FALSE(CanPlayOnFoundation(context, 2, H(1))) << "a card on its left";
    EXPECT_TRUE(CanPlayOnFoundation(context, 3, S(8))) << "a reserve card at any time";
    EXPECT_FALSE(CanPlayOnFoundation(context, 0, D(9))) << "another suit";

    Pile(PileGroup::Tableaus, 0) = PileTextOf({C(8), D(8), 0, H(1), 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(CanPlayOnFoundation(context, 2, H(1))) << "the Ace on the King, from beside a gap";
}

} // namespace
} // namespace marlowe
