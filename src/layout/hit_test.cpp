#include "layout/hit_test.h"

#include "layout/card_positions.h"
#include "catalogue/rule_parameters.h"
#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"

#include <algorithm>

namespace marlowe {
namespace {

PixelRect CardRect(const BoardGeometry& board, Place place)
{
    return {place.x, place.y, board.card.cardWidth, board.card.cardHeight};
}

bool IsRowOfCells(const RuleVector& rules, PileRef pile)
{
    return pile.group == PileGroup::Tableaus && PileStyle(rules, pile) == 9;
}

// The card of a pile under the point, searched from the top card down since upper cards cover
// lower ones. k counts from the top.
PointerHit CardUnder(const GameContext& context, const BoardGeometry& board, PileRef pile, int x, int y)
{
    const std::string& text = context.piles[pile];
    const int count = ElementCount(text);
    const bool cells = IsRowOfCells(context.rules, pile);
    for (int k = 0; k < count; ++k) {
        const Place place = CardPosition(context, board, pile, k, false);
        if (!IsPlaced(place.x))
            return {};
        const PixelRect rect = CardRect(board, place);
        if (!rect.Contains(x, y))
            continue;
        const int code = ElementAt(text, count - 1 - k);
        if (code < 0)
            continue;
        return {pile, code, cells ? count - 1 - k : -1, rect};
    }
    return {};
}

std::vector<PileRef> PilesOf(PileGroup group, int count)
{
    std::vector<PileRef> piles;
    for (int i = 0; i < count; ++i)
        piles.push_back({group, i});
    return piles;
}

}  // namespace

int PixelRect::OverlapArea(const PixelRect& other) const
{
    const int w = std::min(x + width, other.x + other.width) - std::max(x, other.x);
    const int h = std::min(y + height, other.y + other.height) - std::max(y, other.y);
    return w > 0 && h > 0 ? w * h : 0;
}

PixelRect PixelRect::United(const PixelRect& other) const
{
    if (width == 0 || height == 0)
        return other;
    const int left = std::min(x, other.x);
    const int top = std::min(y, other.y);
    return {left, top, std::max(x + width, other.x + other.width) - left,
            std::max(y + height, other.y + other.height) - top};
}

PixelRect PileArea(const GameContext& context, const BoardGeometry& board, PileRef pile)
{
    const Place home = board.PlaceOf(pile);
    if (!IsPlaced(home.x) || !IsPlaced(home.y))
        return {};
    PixelRect area = CardRect(board, home);
    const int count = ElementCount(context.piles[pile]);
    for (int k = 0; k < count; ++k)
        area = area.United(CardRect(board, CardPosition(context, board, pile, k, false)));
    return area;
}

PointerHit HitTest(const GameContext& context, const BoardGeometry& board, int x, int y, bool includeEmpty)
{
    const RuleVector& rules = context.rules;
    for (int slot = 0; slot < 3; ++slot) {
        const PileRef pile{PileGroup::StockGroup, slot};
        const Place place = board.PlaceOf(pile);
        if (IsPlaced(place.x) && CardRect(board, place).Contains(x, y))
            return {pile, TopElement(context.piles[pile]), -1, CardRect(board, place)};
    }

    std::vector<PileRef> tableaus = PilesOf(PileGroup::Tableaus, context.TableauCount());
    if (rules[rule::TableauStyle] == pile_style::Row)
        std::reverse(tableaus.begin(), tableaus.end());  // rows of cards overlap the next tableau
    for (const PileRef pile : tableaus) {
        PointerHit hit = CardUnder(context, board, pile, x, y);
        if (hit.pile)
            return hit;
        if (!includeEmpty)
            continue;
        const Place place = board.PlaceOf(pile);
        if (IsPlaced(place.x) && context.piles[pile].empty() && CardRect(board, place).Contains(x, y))
            return {pile, 0, IsRowOfCells(rules, pile) ? 0 : -1, CardRect(board, place)};
    }

    for (int f = 0; f < context.FoundationCount(); ++f) {
        const PileRef pile{PileGroup::Foundations, f};
        const Place top = CardPosition(context, board, pile, 0, false);
        if (IsPlaced(top.x) && CardRect(board, top).Contains(x, y))
            return {pile, TopElement(context.piles[pile]), -1, CardRect(board, top)};
    }

    for (int r = 0; r < context.ReserveCount(); ++r) {
        const PileRef pile{PileGroup::Reserves, r};
        PointerHit hit = CardUnder(context, board, pile, x, y);
        if (hit.pile)
            return hit;
        const Place place = board.PlaceOf(pile);
        if (includeEmpty && IsPlaced(place.x) && context.piles[pile].empty() && CardRect(board, place).Contains(x, y))
            return {pile, 0, -1, CardRect(board, place)};
    }
    return {};
}

std::vector<DropCandidate> DropCandidatesAt(const GameContext& context, const BoardGeometry& board, int x, int y)
{
    const RuleVector& rules = context.rules;
    const PixelRect card{x, y, board.card.cardWidth, board.card.cardHeight};
    std::vector<DropCandidate> candidates;
    auto offer = [&](PileKind kind, int index, const PixelRect& area, int cell = -1) {
        const int overlap = card.OverlapArea(area);
        if (overlap > 0)
            candidates.push_back({kind, index, overlap, cell});
    };

    for (int f = 0; f < context.FoundationCount(); ++f)
        offer(PileKind::Foundation, f, PileArea(context, board, {PileGroup::Foundations, f}));

    if (rules[rule::TableauStyle] != pile_style::Serpentine) {
        for (int t = 0; t < context.TableauCount(); ++t) {
            const PileRef pile{PileGroup::Tableaus, t};
            if (!IsRowOfCells(rules, pile)) {
                offer(PileKind::Tableau, t, PileArea(context, board, pile));
                continue;
            }
            // Every cell of a row is a place of its own, gaps included.
            const int cells = std::max(ElementCount(context.piles[pile]), 1);
            for (int cell = 0; cell < cells; ++cell) {
                const Place home = board.PlaceOf(pile);
                if (!IsPlaced(home.x))
                    break;
                offer(PileKind::Tableau, t,
                      CardRect(board, {home.x + cell * (board.card.cardWidth + 2), home.y}), cell);
            }
        }
    }

    for (int r = 0; r < context.ReserveCount(); ++r)
        offer(PileKind::Reserve, r, PileArea(context, board, {PileGroup::Reserves, r}));

    if (rules[rule::WasteNotTarget] != 4)
        offer(PileKind::Waste, 0, PileArea(context, board, {PileGroup::StockGroup, 1}));
    return candidates;
}

}  // namespace marlowe
