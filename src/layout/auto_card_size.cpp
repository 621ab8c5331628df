#include "layout/auto_card_size.h"

#include "catalogue/rule_values.h"
#include "layout/card_positions.h"
#include "resources/resource_names.h"

#include <algorithm>
#include <vector>

namespace marlowe {
namespace {

constexpr int kSuitRun = 13;

struct Box {
    int left, top, right, bottom; // right and bottom exclusive

    bool Overlaps(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

bool FansDown(int style)
{
    return style == pile_style::FannedDown || style == pile_style::FannedDownDoubled ||
           style == pile_style::FannedDownKeepingGaps || style == pile_style::TopCardOffset;
}

// The room a pile takes: its card, and for a downward fan its expected cards below it.
Box BoxOf(const RuleVector& rules, const BoardGeometry& board, PileRef pile, Place place)
{
    const int extra = board.card.shadowDepth;
    Box box{place.x, place.y, place.x + board.card.cardWidth + extra, place.y + board.card.cardHeight + extra};
    if (pile.group == PileGroup::Tableaus && PileStyle(rules, pile) == pile_style::RowOfCells)
        box.right = place.x + RowOfCellsWidth(rules, pile.slot, board.card.cardWidth) + extra;
    if (!FansDown(PileStyle(rules, pile)))
        return box;
    ExpectedFan fan;
    if (pile.group == PileGroup::Tableaus)
        fan = ExpectedTableauFan(rules, pile.slot);
    else if (pile.group == PileGroup::Reserves)
        fan.faceUp = std::max(1, static_cast<int>(rules.Of(rule::ReserveCardCount, pile.slot)));
    const int cards = fan.faceDown + fan.faceUp;
    const int downSteps = std::min(fan.faceDown, cards - 1);
    box.bottom += downSteps * board.steps.faceDownDown + (cards - 1 - downSteps) * board.steps.faceUpDown;
    return box;
}

// True when no card of the layout in board lies beyond the frame's left or right side (a shadow
// may touch the edge).
bool FitsSideways(const RuleVector& rules, const LayoutRequest& request, const BoardGeometry& board)
{
    for (const PileRef pile : PilesOnBoard(rules)) {
        const Place place = board.Stored(pile);
        if (!IsPlaced(place.x) || !IsPlaced(place.y))
            continue;
        const Box box = BoxOf(rules, board, pile, place);
        if (box.left < 0 || box.right - board.card.shadowDepth > request.frame.width)
            return false;
    }
    return true;
}

} // namespace

ExpectedFan ExpectedTableauFan(const RuleVector& rules, int tableau)
{
    const int dealt = static_cast<int>(rules.Of(rule::TableauCardCount, tableau));
    const int count = dealt >= 1 && dealt <= 1000 ? dealt : 0;
    const int faceCode = static_cast<int>(rules.Of(rule::TableauFaceUp, tableau));
    // Codes below 1 alternate the faces or turn up the bottom card only: about half face down.
    const int faceUp = faceCode >= 1 ? std::min(faceCode, count) : (count + 1) / 2;
    return ExpectedFan{count - faceUp, std::max(faceUp, kSuitRun)};
}

bool LayoutFits(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board)
{
    ComputeBoardLayout(rules, request, board);
    const Box frame{0, request.frame.top, request.frame.width, request.frame.bottom};
    std::vector<std::pair<PileRef, Box>> boxes;
    for (const PileRef pile : PilesOnBoard(rules)) {
        const Place place = board.Stored(pile);
        if (!IsPlaced(place.x) || !IsPlaced(place.y))
            continue;
        const Box box = BoxOf(rules, board, pile, place);
        if (box.left < frame.left || box.right > frame.right || box.top < frame.top || box.bottom > frame.bottom)
            return false;
        boxes.emplace_back(pile, box);
    }
    // A fan may not reach a pile that lies below its own card.
    for (const auto& [pile, box] : boxes) {
        if (!FansDown(PileStyle(rules, pile)))
            continue;
        for (const auto& [other, otherBox] : boxes)
            if (other != pile && otherBox.top > box.top && box.Overlaps(otherBox))
                return false;
    }
    return true;
}

int AutoCardWidth(const RuleVector& rules, const LayoutRequest& request, bool shadows, BoardGeometry& board)
{
    // A game without piles on the board (none chosen yet) takes the usual card.
    if (PilesOnBoard(rules).empty()) {
        board.SetCardSize('B', shadows, rules);
        ComputeBoardLayout(rules, request, board);
        return board.card.cardWidth;
    }
    // The largest width that fits, by halving; a board too small for any card takes the smallest.
    int low = kAutoCardMinWidth;
    int high = kAutoCardMaxWidth;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        board.SetCardWidth(middle, shadows, rules);
        if (LayoutFits(rules, request, board))
            low = middle;
        else
            high = middle - 1;
    }
    board.SetCardWidth(low, shadows, rules);
    ComputeBoardLayout(rules, request, board);
    return low;
}

char FittingFixedSize(const RuleVector& rules, const LayoutRequest& request, char sizeLetter, bool shadows,
                      BoardGeometry& board)
{
    // The fixed sizes run from the largest to the smallest; "L" is too small to stand in for another.
    const std::size_t smallest = kCardSizeLetters.find('M');
    std::size_t at = kCardSizeLetters.find(sizeLetter);
    if (at == std::string_view::npos)
        at = kCardSizeLetters.find('B');
    for (; at <= smallest; ++at) {
        board.SetCardSize(kCardSizeLetters[at], shadows, rules);
        ComputeBoardLayout(rules, request, board);
        if (FitsSideways(rules, request, board))
            return kCardSizeLetters[at];
    }
    if (at == kCardSizeLetters.find(sizeLetter))
        return sizeLetter; // "L" itself
    AutoCardWidth(rules, request, shadows, board);
    return kAutoSizeLetter;
}

} // namespace marlowe
