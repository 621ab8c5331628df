// The predicates the building rules share: foundation starts, wraps, suit groups, colour rows,
// the grid and the open edges of the table.

#include "engine/legality.h"

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/legality_support.h"
#include "engine/presentation.h"
#include "engine/table.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace marlowe {

namespace {

using legality::BottomCard;
using legality::GamePileCount;
using legality::PileAt;

// The rank a foundation start code asks for; any other base is a plain rank (-1 any).
int StartRankOf(int base)
{
    switch (base) {
    case 81:
    case 85: return Ace;
    case 84: return King;
    case 90: return 2;
    default: return base;
    }
}

// The suit of foundation f's top card; -1 when it is empty or not a foundation.
int TopSuitOfFoundation(const GameContext& context, int f)
{
    if (f < 0 || f >= kMaxFoundations)
        return -1;
    const std::string& pile = PileAt(context, PileGroup::Foundations, f);
    return pile.empty() ? -1 : CardSuit(TopElement(pile));
}

// True when no suit (0..3) occurs twice; -1 (an empty place, a joker) is no suit.
bool NoSuitTwice(const std::vector<int>& suits)
{
    std::array<bool, 4> seen{};
    for (int suit : suits) {
        if (suit < 0 || suit > 3)
            continue;
        if (seen[static_cast<std::size_t>(suit)])
            return false;
        seen[static_cast<std::size_t>(suit)] = true;
    }
    return true;
}

bool IsTableauEmpty(const GameContext& context, int slot)
{
    return PileAt(context, PileGroup::Tableaus, slot).empty();
}

bool IsReserveEmpty(const GameContext& context, int slot)
{
    return PileAt(context, PileGroup::Reserves, slot).empty();
}

} // namespace

bool FoundationStartBalance(const GameContext& context, int base, int moving)
{
    const int startRank = StartRankOf(base);
    if (startRank != -1 && CardRank(moving) != startRank)
        return false;

    int groupSize = 0;
    std::vector<int> starters;
    for (int f = 0; f < GamePileCount(context, PileGroup::Foundations); ++f) {
        if (context.rules.Of(rule::FoundationBaseRank, f) != base)
            continue;
        ++groupSize;
        const std::string& pile = PileAt(context, PileGroup::Foundations, f);
        if (!pile.empty())
            starters.push_back(BottomCard(pile));
    }
    starters.push_back(moving);

    int red = 0;
    int black = 0;
    std::vector<int> suits;
    for (int card : starters) {
        const int suit = CardSuit(card);
        if (suit < 0) {
            context.presentation().ShowInfo("Error suit - 1");
            continue;
        }
        ++(IsRedCard(card) ? red : black);
        suits.push_back(suit);
    }
    if (red > groupSize / 2 || black > groupSize / 2)
        return false;
    const bool suitsMustDiffer = base == base_rank::BalancedSuitsFromKing || base == base_rank::BalancedSuitsFromAce ||
                                 base == base_rank::BalancedSuitsFromTwo;
    return !suitsMustDiffer || NoSuitTwice(suits);
}

bool NoWrapCheck(const GameContext& context, int top, int moving, int direction, int tableau)
{
    if (tableau < 0 || tableau >= kMaxTableaus || context.rules.Of(rule::TableauWrap, tableau) != wrap::None)
        return false;
    if (CardRank(top) == Ace && (direction == direction::Up || direction == direction::UpOrDown))
        return CardRank(moving) == 2;
    if (CardRank(top) == King && direction == direction::Down)
        return CardRank(moving) == Queen;
    return false;
}

bool DistinctSuitsInGroup(const GameContext& context, int f0, int f1, int f2, int slot, int moving, int f3)
{
    const std::array<int, 4> group{f0, f1, f2, f3};
    std::vector<int> suits;
    for (int place = 0; place < 4; ++place)
        suits.push_back(place == slot ? CardSuit(moving) : TopSuitOfFoundation(context, group[static_cast<std::size_t>(place)]));
    if (slot < 0 || slot > 3)
        suits.push_back(CardSuit(moving));
    return NoSuitTwice(suits);
}

bool AlternatingColourStart(const GameContext& context, int moving, int foundation)
{
    // The nearest started foundation sets the colour, alternating with each step away from it;
    // of two equally near ones the lower index decides.
    int nearest = -1;
    for (int f = 0; f < GamePileCount(context, PileGroup::Foundations); ++f) {
        if (PileAt(context, PileGroup::Foundations, f).empty())
            continue;
        if (nearest < 0 || std::abs(foundation - f) < std::abs(foundation - nearest))
            nearest = f;
    }
    if (nearest < 0)
        return true;
    const bool startRed = IsRedCard(BottomCard(PileAt(context, PileGroup::Foundations, nearest)));
    const bool oddSteps = std::abs(foundation - nearest) % 2 == 1;
    return IsRedCard(moving) == (startRed != oddSteps);
}

bool SuitCountWithin(const GameContext& context, int moving, int n)
{
    std::array<bool, 4> seen{};
    auto note = [&seen](int card) {
        const int suit = CardSuit(card);
        if (suit >= 0 && suit <= 3)
            seen[static_cast<std::size_t>(suit)] = true;
    };
    note(moving);
    for (int f = 0; f < GamePileCount(context, PileGroup::Foundations); ++f) {
        const std::string& pile = PileAt(context, PileGroup::Foundations, f);
        if (!pile.empty())
            note(BottomCard(pile));
    }
    int distinct = 0;
    for (bool s : seen)
        distinct += s ? 1 : 0;
    return distinct <= n;
}

bool GridAdjacent(int a, int b, int width)
{
    // Positions outside the grid (negative: a card from elsewhere) neighbour nothing.
    if (a == b || a < 0 || b < 0 || width <= 0)
        return false;
    const bool sameRow = a / width == b / width;
    const bool sameColumn = a % width == b % width;
    const int apart = std::abs(a - b);
    return (sameRow && apart == 1) || (sameColumn && apart == width);
}

bool GridJump(const GameContext& context, int location, int tableau)
{
    const int width = context.rules[rule::GridColumns];
    if (location < 1 || width <= 0 || tableau < 0)
        return false;
    const int from = location - 1;
    const auto rowOf = [width](int pile) { return pile / width; };
    int between = -1;
    if ((from == tableau + 2 || from == tableau - 2) && from >= 0 && rowOf(from) == rowOf(tableau))
        between = (from + tableau) / 2;
    else if (from == tableau + 2 * width || from == tableau - 2 * width)
        between = (from + tableau) / 2;
    if (between < 0 || between >= kMaxTableaus)
        return false;
    return !IsTableauEmpty(context, between);
}

bool IsEdgeFree(const GameContext& context, int card)
{
    const CardLocation location = LocateCard(context, card);
    if (location > 0) {
        const int pile = location - 1;
        const int rowStart = pile - pile % 10;
        const bool leftHalf = pile % 10 <= 4;
        const int first = leftHalf ? rowStart : pile + 1;
        const int last = leftHalf ? pile - 1 : std::min(rowStart + 9, kMaxTableaus - 1);
        for (int other = first; other <= last; ++other)
            if (!IsTableauEmpty(context, other))
                return false;
        return true;
    }
    if (location <= -21 && location >= -32) {
        const int reserve = -21 - location;
        int first = 0;
        int last = -1;
        if (reserve >= 1 && reserve <= 4) {
            last = reserve - 1;
        } else if (reserve >= 5 && reserve <= 8) {
            first = reserve + 1;
            last = 9;
        }
        for (int other = first; other <= last; ++other)
            if (!IsReserveEmpty(context, other))
                return false;
    }
    return true;
}

} // namespace marlowe
