#include "layout/card_positions.h"

#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "engine/selection.h"

#include <algorithm>

namespace marlowe {

namespace {

constexpr int kCellGap = 2; // between the cells of a row

// Moves place past one element of a fanned pile.
void AddStep(int style, int code, bool faceDown, const BoardGeometry& board, Place& place)
{
    const FanSteps& steps = board.steps;
    if (code < 0)
        return;
    switch (style) {
    case pile_style::FannedDown:
    case pile_style::FannedDownDoubled: place.y += faceDown ? steps.faceDownDown : steps.faceUpDown; break;
    case pile_style::FannedDownKeepingGaps: place.y += code == 0 || !faceDown ? steps.faceUpDown : steps.faceDownDown; break; // gaps keep their room
    case pile_style::SquaredWithDepth: place.y += kDepthStep; break;
    case pile_style::FannedRight: place.x += faceDown ? steps.faceDownRight : steps.faceUpRight; break;
    case pile_style::FannedLeft: place.x -= faceDown ? steps.faceDownRight : steps.faceUpRight; break;
    case pile_style::Row: place.x += board.card.cardWidth + kRowGap; break;
    case pile_style::FixedRightStep: place.x += steps.fixedRight; break;
    default: break;
    }
}

// Cell `index` of the serpentine grid of the first tableau: rows run left to right, then back.
Place SerpentineCell(const RuleVector& rules, const BoardGeometry& board, Place first, int index)
{
    const int cellWidth = board.card.cardWidth + board.steps.gridGapX;
    const int cellHeight = board.card.cardHeight + board.steps.gridGapY;
    const int wanted = rules[rule::SerpentineColumns];
    const int columns = wanted >= 1 ? wanted : std::max(board.screenWidth / cellWidth, 1);
    const int row = index / columns;
    const int offset = (index % columns) * cellWidth;
    const int x = row % 2 == 1 ? cellWidth * (columns - 1) - offset : offset;
    return Place{first.x + x, first.y + row * cellHeight};
}

} // namespace

int TableauStyleOf(const RuleVector& rules, int tableau)
{
    const int style = rules[rule::TableauStyle];
    if (style != pile_style::PerTableau)
        return style;
    if (rules[rule::SplitTableauFan] == 1 && tableau < 12)
        return tableau < 7 ? pile_style::FannedRight : pile_style::FannedLeft;
    return pile_style::Unfanned;
}

int PileStyle(const RuleVector& rules, PileRef pile)
{
    switch (pile.group) {
    case PileGroup::Tableaus: return TableauStyleOf(rules, pile.slot);
    case PileGroup::Foundations: return rules[rule::FoundationStyle];
    case PileGroup::Reserves: return rules[rule::ReserveStyle];
    case PileGroup::StockGroup: break;
    }
    return 0;
}

int RowOfCellsWidth(const RuleVector& rules, int tableau, int cardWidth)
{
    const int cells = std::max(static_cast<int>(rules[rule::MaxTableauCards]), static_cast<int>(rules.Of(rule::TableauCardCount, tableau)));
    return std::max(cells, 1) * (cardWidth + kCellGap) - kCellGap;
}

Place CardPosition(const GameContext& context, const BoardGeometry& board, PileRef pile, int k, bool countNext)
{
    Place place = board.PlaceOf(pile);
    if (!IsPlaced(place.x) || !IsPlaced(place.y))
        return Place{};
    const std::string& text = context.piles[pile];
    const int count = ElementCount(text);
    // The asked element, counted from the bottom; one past the top for the next card.
    const int index = countNext ? count : std::max(count - 1 - k, 0);
    const int style = PileStyle(context.rules, pile);
    const bool firstTableau = pile.group == PileGroup::Tableaus && pile.slot == 0;
    if (style == pile_style::Serpentine && firstTableau)
        return SerpentineCell(context.rules, board, place, index);
    if (style == pile_style::RowOfCells && pile.group == PileGroup::Tableaus) {
        place.x += index * (board.card.cardWidth + kCellGap);
        return place;
    }
    if (style == pile_style::Row && pile.group == PileGroup::Tableaus) {
        place.x += PyramidCellIndex(context.rules, pile.slot, index) * (board.card.cardWidth + kRowGap);
        return place;
    }
    if (style == pile_style::TopCardOffset) {
        // Squared, with the top card of a pile of two or more one step lower.
        if (index >= 1 && index >= count - 1)
            place.y += board.steps.faceUpDown;
        return place;
    }
    for (int i = 0; i < index; ++i) {
        const int code = ElementAt(text, i);
        AddStep(style, code, context.cards.IsFaceDown(code), board, place);
    }
    return place;
}

int CardPositionX(const GameContext& context, const BoardGeometry& board, std::string_view pileName, int k,
                  bool countNext)
{
    const auto pile = ParsePileName(pileName);
    return pile ? CardPosition(context, board, *pile, k, countNext).x : NotPlaced;
}

int CardPositionY(const GameContext& context, const BoardGeometry& board, std::string_view pileName, int k,
                  bool countNext)
{
    const auto pile = ParsePileName(pileName);
    return pile ? CardPosition(context, board, *pile, k, countNext).y : NotPlaced;
}

} // namespace marlowe
