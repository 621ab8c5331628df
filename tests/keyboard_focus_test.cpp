// The keyboard's focus frame on dealt games of the shipped catalogue: which cards and piles it
// stops at (face-up cards of fans, empty piles, every cell of a row of cells, never a pile without
// a place), where the arrows and Tab take it, where it stands after the table changed, and which
// drop a focused pile stands for.

#include "engine/pile_text.h"
#include "layout/board_layout.h"
#include "layout/card_positions.h"
#include "layout/keyboard_focus.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace marlowe;

namespace {

class FocusBoard {
public:
    explicit FocusBoard(int game) : mainGame_(marlowe::testing::ShippedCatalogue()), played_(mainGame_, game, "0000000000001")
    {
        EXPECT_TRUE(played_.started);
        geometry.SetCardSize('B', false, context().rules);
        ComputeBoardLayout(context().rules, PlainBoardRequest(1024, 768), geometry);
    }
    GameContext& context() { return played_.context(); }
    std::vector<FocusStop> Stops() { return FocusStops(context(), geometry); }

    // The index of the stop k cards below the top of pile (or of one cell); the test fails
    // without one.
    std::size_t At(PileRef pile, int k = 0, int cell = -1)
    {
        const std::vector<FocusStop> stops = Stops();
        for (std::size_t i = 0; i < stops.size(); ++i)
            if (stops[i].pile == pile && stops[i].k == k && stops[i].cell == cell)
                return i;
        ADD_FAILURE() << "no stop " << k << " of " << PileName(pile) << " cell " << cell;
        return 0;
    }
    // Where one step leads from a stop.
    FocusStop Step(std::size_t from, FocusStep step)
    {
        const std::vector<FocusStop> stops = Stops();
        return stops[StepFocus(stops, from, step)];
    }

    BoardGeometry geometry;

private:
    TMainGame mainGame_;
    marlowe::testing::ProtocolGame played_;
};

PileRef Tableau(int slot)
{
    return {PileGroup::Tableaus, slot};
}

long CountOf(const std::vector<FocusStop>& stops, PileRef pile)
{
    return std::count_if(stops.begin(), stops.end(), [&](const FocusStop& stop) { return stop.pile == pile; });
}

}  // namespace

TEST(KeyboardFocusTest, StopsAreThePlacedPilesAndTheFaceUpCardsOfTheirFans)
{
    FocusBoard klondike(2);
    GameContext& context = klondike.context();
    const std::vector<FocusStop> stops = klondike.Stops();
    // Every pile with a place has a stop, an empty one at its place; a pile without a place has none.
    for (PileGroup group : {PileGroup::StockGroup, PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves}) {
        for (int slot = 0; slot < PileStore::SlotCount(group); ++slot) {
            const PileRef pile{group, slot};
            const bool used = group == PileGroup::StockGroup || (group == PileGroup::Foundations && slot < 4) ||
                              (group == PileGroup::Tableaus && slot < 7);
            EXPECT_EQ(CountOf(stops, pile) > 0, used && IsPlaced(klondike.geometry.PlaceOf(pile).x)) << PileName(pile);
        }
    }
    // Dealt Klondike shows one face-up card per column: the face-down ones are no stops.
    const PileRef last = Tableau(6);
    EXPECT_EQ(CountOf(stops, last), 1);
    const FocusStop& top = stops[klondike.At(last)];
    EXPECT_EQ(top.card, TopElement(context.piles[last]));
    const Place topPlace = CardPosition(context, klondike.geometry, last, 0, false);
    EXPECT_EQ(top.rect, (PixelRect{topPlace.x, topPlace.y, 71, 96}));
    EXPECT_EQ(stops[klondike.At({PileGroup::Foundations, 0})].card, 0);

    // Cards turned up become stops, from the top card down the fan.
    const std::string& column = context.piles[last];
    for (int i = 4; i < ElementCount(column); ++i)
        context.cards.SetCardFaceMark(ElementAt(column, i), '1');
    const std::vector<FocusStop> turned = klondike.Stops();
    EXPECT_EQ(CountOf(turned, last), 3);
    EXPECT_EQ(turned[klondike.At(last, 2)].card, ElementAt(column, 4));
    EXPECT_LT(turned[klondike.At(last, 2)].rect.y, turned[klondike.At(last, 1)].rect.y);
}

TEST(KeyboardFocusTest, ArrowsWalkAFanThenGoToTheNearestPileThatWay)
{
    FocusBoard freecell(1);
    const PileRef first = Tableau(0);
    const int cards = ElementCount(freecell.context().piles[first]);
    ASSERT_EQ(CountOf(freecell.Stops(), first), cards) << "every card of a FreeCell column shows";

    // Up climbs the fan card by card, then leaves it for the row above.
    std::size_t at = freecell.At(first);
    for (int k = 1; k < cards; ++k) {
        const FocusStop up = freecell.Step(at, FocusStep::Up);
        EXPECT_EQ(up.pile, first);
        EXPECT_EQ(up.k, k);
        at = freecell.At(first, k);
    }
    const FocusStop above = freecell.Step(at, FocusStep::Up);
    EXPECT_NE(above.pile.group, PileGroup::Tableaus);
    EXPECT_LT(above.rect.y, freecell.Stops()[at].rect.y);
    // Down from the top row enters a column at its top card.
    const FocusStop below = freecell.Step(freecell.At(above.pile), FocusStep::Down);
    EXPECT_EQ(below.pile.group, PileGroup::Tableaus);
    EXPECT_EQ(below.k, 0);

    // Sideways from deep in a fan: the next column's top card.
    const FocusStop right = freecell.Step(freecell.At(Tableau(2), 3), FocusStep::Right);
    EXPECT_EQ(right.pile, Tableau(3));
    EXPECT_EQ(right.k, 0);
    EXPECT_EQ(freecell.Step(freecell.At(Tableau(3)), FocusStep::Left).pile, Tableau(2));
    // Nothing lies below the columns: the focus stays.
    EXPECT_EQ(freecell.Step(freecell.At(Tableau(5)), FocusStep::Down).pile, Tableau(5));
}

TEST(KeyboardFocusTest, TabVisitsEveryPileOnceInReadingOrderAndWraps)
{
    FocusBoard freecell(1);
    const std::vector<FocusStop> stops = freecell.Stops();
    const std::size_t start = *FindFocus(stops, std::nullopt);
    EXPECT_EQ(stops[start].k, 0);
    std::set<std::pair<int, int>> seen;
    std::size_t at = start;
    int lastRow = -1;
    do {
        EXPECT_EQ(stops[at].k, 0);
        EXPECT_GE(stops[at].place.y, lastRow) << "rows from the top down";
        lastRow = stops[at].place.y;
        EXPECT_TRUE(seen.insert({static_cast<int>(stops[at].pile.group), stops[at].pile.slot}).second);
        const std::size_t next = StepFocus(stops, at, FocusStep::Next);
        EXPECT_EQ(StepFocus(stops, next, FocusStep::Previous), at);
        at = next;
    } while (at != start && seen.size() < stops.size());
    // Eight columns, four cells, four foundations; the stock group has no place in FreeCell.
    EXPECT_EQ(seen.size(), 16u);
}

TEST(KeyboardFocusTest, EmptyPilesAreStopsAndPilesWithoutAPlaceAreSkipped)
{
    FocusBoard freecell(1);
    GameContext& context = freecell.context();
    context.piles[Tableau(3)].clear();
    const FocusStop empty = freecell.Stops()[freecell.At(Tableau(3))];
    EXPECT_EQ(empty.card, 0);
    EXPECT_EQ(empty.rect, empty.place);
    EXPECT_EQ(freecell.Step(freecell.At(Tableau(2)), FocusStep::Right).pile, Tableau(3));

    // A column the layout leaves without a place is passed over.
    freecell.geometry.Stored(Tableau(4)) = Place{};
    EXPECT_EQ(CountOf(freecell.Stops(), Tableau(4)), 0);
    EXPECT_EQ(freecell.Step(freecell.At(Tableau(3)), FocusStep::Right).pile, Tableau(5));
    // A focus remembered there goes to the first pile in reading order.
    const FocusStop gone{Tableau(4), -1, 0, 0, {}, {}};
    const std::vector<FocusStop> stops = freecell.Stops();
    EXPECT_EQ(FindFocus(stops, gone), FindFocus(stops, std::nullopt));
}

TEST(KeyboardFocusTest, ARowOfCellsStopsAtEveryCellGapsIncluded)
{
    FocusBoard gaps(16);
    const std::vector<FocusStop> stops = gaps.Stops();
    EXPECT_EQ(std::count_if(stops.begin(), stops.end(),
                            [](const FocusStop& stop) { return stop.pile.group == PileGroup::Tableaus; }),
              52);
    const PileRef row1 = Tableau(0);
    const FocusStop gap = stops[gaps.At(row1, 0, 0)];
    EXPECT_EQ(gap.card, 0) << "Fila1 opens with a gap";
    const FocusStop right = gaps.Step(gaps.At(row1, 0, 0), FocusStep::Right);
    EXPECT_EQ(right.pile, row1);
    EXPECT_EQ(right.cell, 1);
    EXPECT_EQ(right.card, ElementAt(gaps.context().piles[row1], 1));
    const FocusStop down = gaps.Step(gaps.At(row1, 0, 5), FocusStep::Down);
    EXPECT_EQ(down.pile, Tableau(1));
    EXPECT_EQ(down.cell, 5);
    EXPECT_EQ(DropCandidateOf(gaps.context(), gap), (DropCandidate{PileKind::Tableau, 0, 1, 0}));
}

// A card dropped exactly on a stop's card lands, by the pointer's rules, first on the pile the
// focused stop offers; a stop that offers none is no candidate of the pointer either.
TEST(KeyboardFocusTest, AFocusedPileOffersTheDropThePointerWould)
{
    for (int game : {1, 2, 16}) {
        FocusBoard board(game);
        for (const FocusStop& stop : board.Stops()) {
            const std::optional<DropCandidate> focused = DropCandidateOf(board.context(), stop);
            const std::vector<DropCandidate> pointed =
                DropCandidatesAt(board.context(), board.geometry, stop.rect.x, stop.rect.y);
            const auto best = std::max_element(pointed.begin(), pointed.end(),
                                               [](const auto& a, const auto& b) { return a.overlap < b.overlap; });
            SCOPED_TRACE(std::to_string(game) + " " + PileName(stop.pile) + " cell " + std::to_string(stop.cell));
            if (!focused) {
                EXPECT_TRUE(best == pointed.end() || DestinationPile(*best) != stop.pile);
                continue;
            }
            ASSERT_NE(best, pointed.end());
            EXPECT_EQ(best->kind, focused->kind);
            EXPECT_EQ(best->index, focused->index);
            EXPECT_EQ(best->cell, focused->cell);
        }
    }
}

TEST(KeyboardFocusTest, AFocusFollowsItsCardWhileItStaysInItsColumn)
{
    FocusBoard klondike(2);
    GameContext& context = klondike.context();
    const PileRef last = Tableau(6);
    const std::string& column = context.piles[last];
    for (int i = 4; i < ElementCount(column); ++i)
        context.cards.SetCardFaceMark(ElementAt(column, i), '1');
    const FocusStop deep = klondike.Stops()[klondike.At(last, 2)];
    EXPECT_EQ(klondike.Stops()[*FindFocus(klondike.Stops(), deep)].k, 2) << "the card is still there";
    context.piles[last].resize(context.piles[last].size() - 9);  // the three face-up cards leave
    const FocusStop after = klondike.Stops()[*FindFocus(klondike.Stops(), deep)];
    EXPECT_EQ(after.pile, last);
    EXPECT_EQ(after.k, 0) << "the column's top card";
}
