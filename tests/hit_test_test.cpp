// The pointer's geometry on dealt games of the shipped catalogue: which card a press finds,
// which piles a dropped card overlaps, and what empty piles show.

#include "engine/cards.h"
#include "engine/pile_text.h"
#include "layout/board_layout.h"
#include "layout/card_positions.h"
#include "layout/empty_marks.h"
#include "layout/hit_test.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace marlowe;

namespace {

class DealtBoard {
public:
    DealtBoard(int game, const std::string& deal = "0000000000001")
        : mainGame_(marlowe::testing::ShippedCatalogue()), played_(mainGame_, game, deal)
    {
        EXPECT_TRUE(played_.started);
        geometry.SetCardSize('B', false, context().rules);
        ComputeBoardLayout(context().rules, PlainBoardRequest(1024, 768), geometry);
    }
    GameContext& context() { return played_.context(); }
    Place TopOf(PileRef pile) { return CardPosition(context(), geometry, pile, 0, false); }

    BoardGeometry geometry;

private:
    TMainGame mainGame_;
    marlowe::testing::ProtocolGame played_;
};

const PileRef kTableau1{PileGroup::Tableaus, 0};
const PileRef kTableau7{PileGroup::Tableaus, 6};

}  // namespace

TEST(HitTestTest, APressFindsTheCardWhoseVisiblePartItHits)
{
    DealtBoard klondike(2);
    GameContext& context = klondike.context();
    const std::string& column = context.piles[kTableau7];
    const Place top = klondike.TopOf(kTableau7);

    const PointerHit onTop = HitTest(context, klondike.geometry, top.x + 30, top.y + 50);
    ASSERT_TRUE(onTop.pile);
    EXPECT_EQ(*onTop.pile, kTableau7);
    EXPECT_EQ(onTop.card, TopElement(column));

    // The strip of the face-down card just under the top card belongs to that card.
    const Place below = CardPosition(context, klondike.geometry, kTableau7, 1, false);
    const PointerHit onStrip = HitTest(context, klondike.geometry, below.x + 30, below.y + 1);
    EXPECT_EQ(onStrip.card, ElementAt(column, ElementCount(column) - 2));

    const PointerHit bare = HitTest(context, klondike.geometry, 1000, 700);
    EXPECT_FALSE(bare.pile);

    const Place stock = klondike.geometry.PlaceOf({PileGroup::StockGroup, 0});
    const PointerHit onStock = HitTest(context, klondike.geometry, stock.x + 5, stock.y + 5);
    ASSERT_TRUE(onStock.pile);
    EXPECT_EQ(*onStock.pile, (PileRef{PileGroup::StockGroup, 0}));

    // An empty foundation is named; an empty tableau only when empty piles are asked for.
    const Place foundation = klondike.geometry.PlaceOf({PileGroup::Foundations, 0});
    const PointerHit onFoundation = HitTest(context, klondike.geometry, foundation.x + 5, foundation.y + 5);
    ASSERT_TRUE(onFoundation.pile);
    EXPECT_EQ(onFoundation.card, 0);
    const Place first = klondike.geometry.PlaceOf(kTableau1);
    context.piles[kTableau1].clear();
    EXPECT_FALSE(HitTest(context, klondike.geometry, first.x + 5, first.y + 5).pile);
    EXPECT_TRUE(HitTest(context, klondike.geometry, first.x + 5, first.y + 5, true).pile);
}

TEST(HitTestTest, ADroppedCardOffersThePilesItOverlapsByArea)
{
    DealtBoard klondike(2);
    const Place top = klondike.TopOf({PileGroup::Tableaus, 3});
    // Mostly over tableau 4, a little over tableau 5.
    const int x = top.x + 40;
    const std::vector<DropCandidate> candidates = DropCandidatesAt(klondike.context(), klondike.geometry, x, top.y);
    auto overlapOf = [&](int index) {
        const auto found = std::find_if(candidates.begin(), candidates.end(), [&](const DropCandidate& c) {
            return c.kind == PileKind::Tableau && c.index == index;
        });
        return found == candidates.end() ? 0 : found->overlap;
    };
    const int next = klondike.geometry.PlaceOf({PileGroup::Tableaus, 4}).x;
    EXPECT_EQ(overlapOf(3), (71 - 40) * 96);
    EXPECT_EQ(overlapOf(4), (x + 71 - next) * 96);
    EXPECT_EQ(overlapOf(2), 0);
    EXPECT_TRUE(DropCandidatesAt(klondike.context(), klondike.geometry, 900, 700).empty());
}

TEST(HitTestTest, EveryCellOfARowOfCellsIsAPlaceOfItsOwn)
{
    DealtBoard gaps(16);
    const PileRef row{PileGroup::Tableaus, 1};
    const Place home = gaps.geometry.PlaceOf(row);
    const int cellWidth = gaps.geometry.card.cardWidth + 2;
    const PointerHit hit = HitTest(gaps.context(), gaps.geometry, home.x + 4 * cellWidth + 5, home.y + 5);
    ASSERT_TRUE(hit.pile);
    EXPECT_EQ(hit.cell, 4);
    EXPECT_EQ(hit.card, ElementAt(gaps.context().piles[row], 4));

    const auto candidates = DropCandidatesAt(gaps.context(), gaps.geometry, home.x + 4 * cellWidth, home.y);
    ASSERT_FALSE(candidates.empty());
    const auto exact = std::max_element(candidates.begin(), candidates.end(),
                                        [](const auto& a, const auto& b) { return a.overlap < b.overlap; });
    EXPECT_EQ(exact->index, 1);
    EXPECT_EQ(exact->cell, 4);
}

TEST(EmptyMarksTest, EmptyPilesShowWhatTheyTake)
{
    DealtBoard klondike(2);
    GameContext& context = klondike.context();
    EXPECT_EQ(EmptyMarkName(context, {PileGroup::Foundations, 0}), "FoundationA");
    EXPECT_EQ(EmptyMarkName(context, kTableau1), "Foundation13");  // a space takes only a King
    // No redeal style: the empty stock turns the waste over when it holds two cards or more.
    EXPECT_EQ(EmptyMarkName(context, {PileGroup::StockGroup, 0}), "StockStop");
    context.piles.Slot(PileGroup::StockGroup, 1) = "001002";
    EXPECT_EQ(EmptyMarkName(context, {PileGroup::StockGroup, 0}), "StockUp");  // unlimited passes

    DealtBoard knockout(303);
    EXPECT_EQ(EmptyMarkName(knockout.context(), {PileGroup::Foundations, 0}), "Foundation")
        << "its base rank names the clubs, not a 3";

    DealtBoard freecell(1);
    EXPECT_EQ(EmptyMarkName(freecell.context(), kTableau1), "Position");
    EXPECT_EQ(EmptyMarkName(freecell.context(), {PileGroup::Reserves, 0}), "EmptyPosition");

    const struct {
        int rank;
        const char* mark;
    } ranks[] = {{1, "FoundationA"}, {58, "FoundationA"}, {2, "Foundation2"}, {90, "Foundation2"},
                 {7, "Foundation7"}, {12, "Foundation12"}, {13, "Foundation13"}, {84, "Foundation13"},
                 {0, ""},           {14, ""}};
    for (const auto& row : ranks)
        EXPECT_EQ(BaseRankMarkName(row.rank), row.mark) << row.rank;
}

TEST(EmptyMarksTest, AFoundationIsCompleteAtItsTargetCount)
{
    DealtBoard klondike(2);
    GameContext& context = klondike.context();
    std::string full;
    for (int rank = 1; rank <= 13; ++rank)
        full += CodeText(CardCode(0, rank));
    context.piles[PileRef{PileGroup::Foundations, 0}] = full;
    EXPECT_TRUE(IsFoundationComplete(context, 0));
    context.piles[PileRef{PileGroup::Foundations, 0}] = full.substr(0, 36);
    EXPECT_FALSE(IsFoundationComplete(context, 0));
    EXPECT_FALSE(IsFoundationComplete(context, 1));
}
