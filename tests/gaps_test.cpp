// Rows of cells (Gaps): which card a gap takes, the drop into one cell through the protocol,
// the single-card pick, and the win of four rows from 2 to King.

#include "card_names.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_finder.h"
#include "engine/pile_text.h"
#include "engine/play_actions.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"
#include "cell_rows_table.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

// Four rows of thirteen cells with the rules of Gaps.
class GapRowsTest : public testing::CellRowsTable {
protected:
    GapRowsTest() : CellRowsTable(13, 2, deal_family::AcesToGaps) {}
};

TEST_F(GapRowsTest, AGapTakesTheNextCardInSuitFromItsLeftNeighbour)
{
    ExpectCellsTake({
        {{H(5), 0}, 1, H(6), true, "one above the left neighbour, in suit"},
        {{H(5), 0}, 1, S(6), false, "wrong suit"},
        {{H(5), 0}, 1, H(7), false, "two above"},
        {{H(5), 0}, 1, H(4), false, "below"},
        {{0, C(9)}, 0, D(2), true, "the left end takes a 2"},
        {{0, C(9)}, 0, C(3), false, "the left end takes nothing but a 2"},
        {{S(13), 0}, 1, S(2), false, "after a King the gap stays closed"},
        {{S(13), 0}, 1, H(2), false, "after a King, any suit"},
        {{D(4), 0, 0}, 2, D(5), false, "a gap after a gap stays closed"},
        {{D(4), D(6)}, 1, D(5), false, "a cell that holds a card"},
    });
}

TEST_F(GapRowsTest, AGapBetweenTwoNeighboursTakesTheCardEitherOneLetsIn)
{
    for (int k = 0; k < 4; ++k)
        context.rules.Of(rule::TableauBuildCode, k) = building::InSuitBesideEitherNeighbour;
    ExpectCellsTake({
        {{H(5), 0, S(9)}, 1, H(6), true, "one above the left neighbour, in suit"},
        {{H(5), 0, S(9)}, 1, S(8), true, "one below the right neighbour, in suit"},
        {{H(5), 0, S(9)}, 1, S(10), false, "above the right neighbour"},
        {{H(5), 0, S(9)}, 1, H(8), false, "below the right neighbour, another suit"},
        {{S(13), 0, D(7)}, 1, D(6), true, "after a King, from the right"},
        {{D(4), 0, 0}, 2, D(5), false, "between two gaps"},
        {{D(4), 0, D(6)}, 1, D(5), true, "both neighbours agree"},
        {{0, C(9)}, 0, C(8), false, "the left end takes only the rows' first rank"},
        {{0, C(9)}, 0, H(2), true, "the left end takes a 2"},
        {{H(3), H(4)}, 0, H(2), false, "a cell that holds a card"},
    });

    // Rows with no starting rank judge their left end by its right neighbour, and with the wrap
    // on a King goes before an Ace.
    context.rules.Of(rule::TableauBaseRank, 0) = base_rank::NoCard;
    context.rules.Of(rule::TableauWrap, 0) = wrap::BuildOnBase;
    Row(0) = Cells({0, C(9)});
    EXPECT_TRUE(CanPlayInTableauCell(context, 0, 0, C(8)));
    EXPECT_FALSE(CanPlayInTableauCell(context, 0, 0, H(2))) << "no rank starts these rows";
    Row(0) = Cells({H(5), 0, C(1)});
    EXPECT_TRUE(CanPlayInTableauCell(context, 0, 1, C(13))) << "a King before an Ace";
}

TEST_F(GapRowsTest, AFullRowNeverGrowsAndCellsOutsideTheRowTakeNothing)
{
    Row(0) = PileTextOf({H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), C(5), S(9)});
    EXPECT_FALSE(CanPlayOnTableau(context, 0, S(10))) << "the thirteen cells are all there";
    EXPECT_FALSE(CanPlayInTableauCell(context, 0, 13, S(10)));
    EXPECT_FALSE(CanPlayInTableauCell(context, 0, -1, H(2)));
    EXPECT_FALSE(CanPlayInTableauCell(context, 40, 0, H(2)));

    Row(1).clear();
    EXPECT_TRUE(CanPlayOnTableau(context, 1, C(2))) << "an empty row starts with a 2 at its left end";
    EXPECT_FALSE(CanPlayOnTableau(context, 1, C(3)));
    EXPECT_FALSE(CanPlayInTableauCell(context, 1, 1, C(2))) << "no cell beyond the place past the end";
}

TEST_F(GapRowsTest, ACardInsideARowIsPickedAlone)
{
    context.rules[rule::TableauPickRule] = 1;
    Row(0) = Cells({H(5), C(9), D(3)});
    EXPECT_EQ(PickableCount(context, {PileGroup::Tableaus, 0}, C(9)), 1);
    EXPECT_EQ(PickableCount(context, {PileGroup::Tableaus, 0}, H(5)), 1);
}

TEST_F(GapRowsTest, TheGameIsWonWhenEveryRowRunsFromTwoToKingInSuit)
{
    for (int k = 0; k < 4; ++k)
        Row(k) = Settled(k);
    EXPECT_TRUE(IsGameWon(context));
    EXPECT_EQ(SettledRowLength(Row(0)), 12);

    Row(3) = Cells({S(2), S(3), S(4), S(5), S(6), S(7), S(8), S(9), S(10), S(11), 0, S(12), S(13)});
    EXPECT_FALSE(IsGameWon(context)) << "a gap inside a row";
    EXPECT_EQ(SettledRowLength(Row(3)), 10);

    Row(3) = Cells({S(3), S(4), S(5), S(6), S(7), S(8), S(9), S(10), S(11), S(12), S(13), 0, S(2)});
    EXPECT_FALSE(IsGameWon(context)) << "a row that does not start with its 2";
    EXPECT_EQ(SettledRowLength(Row(3)), 0);
}

TEST(PileCellNameTest, NamesACellOfATableauRowCountedFromOne)
{
    const PileRef fila3{PileGroup::Tableaus, 2};
    const struct {
        const char* text;
        std::optional<PileCell> parsed;
    } rows[] = {
        {"Fila3:5", PileCell{fila3, 4}},
        {"Fila3:1", PileCell{fila3, 0}},
        {"Fila3", PileCell{fila3, -1}},
        {"Dest1", PileCell{{PileGroup::Foundations, 0}, -1}},
        {"Fila3:0", std::nullopt},
        {"Fila3:", std::nullopt},
        {"Fila3:x", std::nullopt},
        {"Dest1:2", std::nullopt},
        {"Fila41:2", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ParsePileCellName(row.text), row.parsed) << row.text;
        if (row.parsed) {
            EXPECT_EQ(PileCellName(*row.parsed), row.text);
        }
    }
    EXPECT_EQ(ActionText(PlayAction{ActionKind::Drop, 6, fila3, 4}), "drop 6 Fila3:5");
}

// Gaps deal 1: Fila1 opens with a gap, Fila2 has a gap after the King of diamonds, Fila3 a gap
// after the 5 of hearts, Fila4 ends with a gap after the 10 of clubs.
class GapsProtocolTest : public ::testing::Test {
protected:
    GapsProtocolTest() : play(testing::ShippedCatalogue(), 16, "0000000000001") {}

    int Cell(int row, int cell) { return ElementAt(play.context().piles.tableaus[static_cast<std::size_t>(row - 1)], cell - 1); }

    testing::ProtocolGame play;
};

TEST_F(GapsProtocolTest, ADropIntoACellFillsTheGapAndLeavesOneBehind)
{
    ASSERT_TRUE(play.started) << play.messages.str();
    ASSERT_EQ(Cell(1, 1), 0);
    ASSERT_EQ(Cell(2, 13), H(2));
    const std::string before = play.context().piles.tableaus[0];

    EXPECT_EQ(play.Run("drop 2 Fila1:1"), "ok");
    EXPECT_EQ(Cell(1, 1), H(2));
    EXPECT_EQ(Cell(2, 13), 0) << "the card's own cell becomes a gap";
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(ElementCount(play.context().piles.tableaus[static_cast<std::size_t>(k)]), 13);

    EXPECT_EQ(play.Run("drop 37 Fila4:13"), "ok") << "the Jack of clubs after the 10, from its own row";
    EXPECT_EQ(Cell(4, 13), C(11));
    EXPECT_EQ(Cell(4, 2), 0);

    EXPECT_EQ(play.Run("undo"), "ok");
    EXPECT_EQ(play.Run("undo"), "ok");
    EXPECT_EQ(play.context().piles.tableaus[0], before);
    EXPECT_EQ(Cell(2, 13), H(2));
}

TEST_F(GapsProtocolTest, ADropThatTheGapDoesNotTakeIsRefused)
{
    ASSERT_TRUE(play.started) << play.messages.str();
    const PileStore before = play.context().piles;
    EXPECT_EQ(play.Run("drop 15 Fila2:5"), "refused") << "after the King of diamonds";
    EXPECT_EQ(play.Run("drop 7 Fila3:5"), "refused") << "the 7 of hearts after the 5";
    EXPECT_EQ(play.Run("drop 6 Fila3:6"), "refused") << "a cell that holds a card";
    EXPECT_EQ(play.Run("drop 6 Fila3"), "refused") << "the row as a whole has no room";
    EXPECT_EQ(play.context().piles, before);
    EXPECT_EQ(play.Run("drop 6 Fila3:5"), "ok");
    EXPECT_EQ(play.Run("drop 2 Dest1:1"), "error: pile Dest1 has no cells: 'drop 2 Dest1:1'");
    EXPECT_EQ(play.Run("drop 2 Fila3:0"), "error: not a cell number: 'drop 2 Fila3:0'");
    EXPECT_EQ(play.Run("drop 2 Fila3:x"), "error: not a cell number: 'drop 2 Fila3:x'");
}

TEST_F(GapsProtocolTest, TheMoveFinderOffersEveryCardThatAGapTakes)
{
    ASSERT_TRUE(play.started) << play.messages.str();
    std::vector<std::string> moves;
    for (const FoundMove& move : CellMoves(play.context()))
        moves.push_back(std::to_string(move.card) + " " + PileCellName(DestinationCell(move.destination)) + " " +
                        std::to_string(static_cast<int>(move.band)));
    // The 2s to Fila1's left end start a settled run; the 2 of spades already starts one.
    const std::string shift = std::to_string(static_cast<int>(MoveBand::TableauShift));
    const std::string progress = std::to_string(static_cast<int>(MoveBand::ToFoundation));
    const std::string pointless = std::to_string(static_cast<int>(MoveBand::Pointless));
    EXPECT_EQ(moves, (std::vector<std::string>{"6 Fila3:5 " + shift, "15 Fila1:1 " + progress, "2 Fila1:1 " + progress,
                                               "41 Fila1:1 " + pointless, "28 Fila1:1 " + progress,
                                               "37 Fila4:13 " + shift}));
}

} // namespace
} // namespace marlowe
