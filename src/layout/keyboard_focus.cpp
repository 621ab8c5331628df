#include "layout/keyboard_focus.h"

#include "catalogue/rule_parameters.h"
#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "layout/card_positions.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace marlowe {
namespace {

PixelRect CardRect(const BoardGeometry& board, Place place)
{
    return {place.x, place.y, board.card.cardWidth, board.card.cardHeight};
}

bool IsRowOfCells(const RuleVector& rules, PileRef pile)
{
    return pile.group == PileGroup::Tableaus && PileStyle(rules, pile) == pile_style::RowOfCells;
}

// Fans show the cards under the top one; squared piles show only their top card.
bool ShowsItsCards(PileRef pile)
{
    return pile.group == PileGroup::Tableaus || pile.group == PileGroup::Reserves;
}

void AddCells(const GameContext& context, const BoardGeometry& board, PileRef pile, Place home,
              std::vector<FocusStop>& stops)
{
    const std::string& text = context.piles[pile];
    const int count = ElementCount(text);
    for (int cell = 0; cell < std::max(count, 1); ++cell) {
        const PixelRect rect = CardRect(board, {home.x + cell * (board.card.cardWidth + 2), home.y});
        const int code = cell < count ? ElementAt(text, cell) : 0;
        stops.push_back({pile, cell, 0, std::max(code, 0), rect, rect});
    }
}

void AddPile(const GameContext& context, const BoardGeometry& board, PileRef pile, std::vector<FocusStop>& stops)
{
    const Place home = board.PlaceOf(pile);
    if (!IsPlaced(home.x) || !IsPlaced(home.y))
        return;
    if (IsRowOfCells(context.rules, pile)) {
        AddCells(context, board, pile, home, stops);
        return;
    }
    const std::string& text = context.piles[pile];
    const int count = ElementCount(text);
    const PixelRect place = CardRect(board, home);
    Place above = CardPosition(context, board, pile, 0, false);
    stops.push_back({pile, -1, 0, std::max(TopElement(text), 0), CardRect(board, above), place});
    if (!ShowsItsCards(pile))
        return;
    for (int k = 1; k < count; ++k) {
        const int code = ElementAt(text, count - 1 - k);
        const Place at = CardPosition(context, board, pile, k, false);
        // A face-down card is no card to name, and one squared under the card above it is hidden.
        if (code <= 0 || context.cards.IsFaceDown(code) || at == above)
            continue;
        stops.push_back({pile, -1, k, code, CardRect(board, at), place});
        above = at;
    }
}

struct Point {
    int x;
    int y;
};

Point Centre(const PixelRect& rect)
{
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

// How far b lies from a the way the step goes (positive when it lies that way), and how far
// it lies beside that way: the gap between the two rectangles across it, 0 when they face
// each other.
std::pair<int, int> Offsets(const PixelRect& a, const PixelRect& b, FocusStep step)
{
    const Point ca = Centre(a);
    const Point cb = Centre(b);
    const bool horizontal = step == FocusStep::Left || step == FocusStep::Right;
    const int sign = step == FocusStep::Left || step == FocusStep::Up ? -1 : 1;
    const int along = sign * (horizontal ? cb.x - ca.x : cb.y - ca.y);
    const int aFrom = horizontal ? a.y : a.x;
    const int aTo = aFrom + (horizontal ? a.height : a.width);
    const int bFrom = horizontal ? b.y : b.x;
    const int bTo = bFrom + (horizontal ? b.height : b.width);
    const int beside = std::max({0, bFrom - aTo, aFrom - bTo});
    return {along, beside};
}

// The stop of stops that lies nearest the given way from reference, among those that pass:
// one straight that way before any beside it, and among those beside it, being beside counts
// twice as much as being far along.
template <typename Passes>
std::optional<std::size_t> Nearest(const std::vector<FocusStop>& stops, PixelRect FocusStop::*rect,
                                   const FocusStop& reference, FocusStep step, Passes passes)
{
    std::optional<std::size_t> best;
    std::pair<bool, long> bestCost{true, std::numeric_limits<long>::max()};
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (!passes(stops[i]))
            continue;
        const auto [along, beside] = Offsets(reference.*rect, stops[i].*rect, step);
        const std::pair<bool, long> cost{beside > 0, along + 2L * beside};
        if (along > 0 && cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

// The top stop of every column, in reading order: by the rows of their places, then left to right.
std::vector<std::size_t> ColumnTops(const std::vector<FocusStop>& stops)
{
    std::vector<std::size_t> tops;
    for (std::size_t i = 0; i < stops.size(); ++i)
        if (stops[i].k == 0)
            tops.push_back(i);
    std::stable_sort(tops.begin(), tops.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(stops[a].place.y, stops[a].place.x) < std::tie(stops[b].place.y, stops[b].place.x);
    });
    return tops;
}

std::size_t TopOfColumn(const std::vector<FocusStop>& stops, std::size_t member)
{
    for (std::size_t i = 0; i < stops.size(); ++i)
        if (stops[i].k == 0 && stops[i].SameColumn(stops[member]))
            return i;
    return member;
}

}  // namespace

std::vector<FocusStop> FocusStops(const GameContext& context, const BoardGeometry& board)
{
    std::vector<FocusStop> stops;
    for (int slot = 0; slot < PileStore::SlotCount(PileGroup::StockGroup); ++slot)
        AddPile(context, board, {PileGroup::StockGroup, slot}, stops);
    for (int f = 0; f < context.FoundationCount(); ++f)
        AddPile(context, board, {PileGroup::Foundations, f}, stops);
    for (int t = 0; t < context.TableauCount(); ++t)
        AddPile(context, board, {PileGroup::Tableaus, t}, stops);
    for (int r = 0; r < context.ReserveCount(); ++r)
        AddPile(context, board, {PileGroup::Reserves, r}, stops);
    return stops;
}

std::size_t StepFocus(const std::vector<FocusStop>& stops, std::size_t from, FocusStep step)
{
    const FocusStop& current = stops.at(from);
    if (step == FocusStep::Next || step == FocusStep::Previous) {
        const std::vector<std::size_t> tops = ColumnTops(stops);
        const auto at = std::find(tops.begin(), tops.end(), TopOfColumn(stops, from));
        const std::size_t index = static_cast<std::size_t>(at - tops.begin());
        const std::size_t size = tops.size();
        return tops[step == FocusStep::Next ? (index + 1) % size : (index + size - 1) % size];
    }
    const auto inColumn = Nearest(stops, &FocusStop::rect, current, step,
                                  [&](const FocusStop& stop) { return stop.SameColumn(current); });
    if (inColumn)
        return *inColumn;
    const auto column = Nearest(stops, &FocusStop::place, current, step,
                                [&](const FocusStop& stop) { return stop.k == 0 && !stop.SameColumn(current); });
    return column.value_or(from);
}

std::optional<std::size_t> FindFocus(const std::vector<FocusStop>& stops, const std::optional<FocusStop>& remembered)
{
    if (stops.empty())
        return std::nullopt;
    if (!remembered)
        return ColumnTops(stops).front();
    std::optional<std::size_t> columnTop;
    std::optional<std::size_t> pileTop;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const FocusStop& stop = stops[i];
        if (stop.SameColumn(*remembered) && stop.card == remembered->card && stop.card > 0)
            return i;
        if (stop.SameColumn(*remembered) && stop.k == 0 && !columnTop)
            columnTop = i;
        if (stop.pile == remembered->pile && stop.k == 0 && !pileTop)
            pileTop = i;
    }
    if (columnTop)
        return columnTop;
    return pileTop ? *pileTop : ColumnTops(stops).front();
}

std::optional<DropCandidate> DropCandidateOf(const GameContext& context, const FocusStop& stop)
{
    const RuleVector& rules = context.rules;
    switch (stop.pile.group) {
    case PileGroup::Foundations: return DropCandidate{PileKind::Foundation, stop.pile.slot, 1};
    case PileGroup::Tableaus:
        if (rules[rule::TableauStyle] == pile_style::Serpentine)
            return std::nullopt;
        return DropCandidate{PileKind::Tableau, stop.pile.slot, 1, stop.cell};
    case PileGroup::Reserves: return DropCandidate{PileKind::Reserve, stop.pile.slot, 1};
    case PileGroup::StockGroup:
        if (stop.pile.slot != kWasteSlot || rules[rule::WasteNotTarget] == 4)
            return std::nullopt;
        return DropCandidate{PileKind::Waste, 0, 1};
    }
    return std::nullopt;
}

}  // namespace marlowe
