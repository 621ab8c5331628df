// Building codes of foundations on which jokers stand in for cards (72, 75), of the eight
// foundations with a pair of one suit (128), and of the wild jokers of Joke Klon (150, 151).

#include "engine/building_code_placement.h"

#include "catalogue/rule_values.h"

#include "engine/cards.h"
#include "engine/pile_text.h"

#include <algorithm>

namespace marlowe {

namespace {

constexpr int kNoBase = -2; // a base the first started foundation sets

// The base rank of foundation IDX; for a base the table sets (-2), the start of the first
// foundation holding cards: its bottom card, or the card just above a bottom joker (a joker
// without a card above it tells nothing). -2 while no foundation does.
int WorkingBase(const Placement& p)
{
    const int base = p.FoundationBase(p.Index());
    if (base != kNoBase)
        return base;
    const int count = std::clamp(p.context().FoundationCount(), 0, kMaxFoundations);
    for (int f = 0; f < count; ++f) {
        const std::string& pile = p.Foundation(f);
        if (pile.empty())
            continue;
        const int bottom = ElementAt(pile, 0);
        if (!IsJoker(bottom))
            return CardRank(bottom);
        const int second = ElementAt(pile, 1);
        if (ElementCount(pile) >= 2 && !IsJoker(second))
            return CardRank(second) - 1;
    }
    return kNoBase;
}

// A pack card on a foundation that may hold jokers.
bool CardOnWildFoundation(const Placement& p, int base)
{
    const std::string& pile = p.Foundation(p.Index());
    const int count = ElementCount(pile);
    if (count == 0)
        return p.RankM() == base || base == kNoBase;
    const bool wraps = p.FoundationBase(p.Index()) != Ace;

    if (!IsJoker(p.T())) {
        if (!p.SameSuit())
            return false;
        if (p.Up() || (wraps && p.AceOnKing()))
            return true;
        // The card the lowest joker stands for.
        for (int at = 0; at < count; ++at) {
            if (!IsJoker(ElementAt(pile, at)))
                continue;
            return at == 0 ? p.RankM() == base : p.RankM() == CardRank(ElementAt(pile, at - 1)) + 1;
        }
        return false;
    }

    if (count == 1)
        return base > 0 ? p.RankM() == base || p.RankM() == base + 1 : base == kNoBase;
    // The joker on top stands for the card after the one beneath it.
    const int beneath = ElementAt(pile, count - 2);
    if (p.SuitM() != CardSuit(beneath))
        return false;
    const int rankBeneath = CardRank(beneath);
    const bool roundTheCorner = wraps && rankBeneath == King && (p.RankM() == Ace || p.RankM() == 2);
    return p.RankM() == rankBeneath + 1 || p.RankM() == rankBeneath + 2 || roundTheCorner;
}

// 72, 75: a joker goes on any started foundation, under 75 also on an empty one; pack cards
// build up in suit with jokers standing in, and in a game of four foundations they keep to
// distinct suits.
template <bool EmptyTakesJoker>
bool JokersWild(const Placement& p)
{
    if (IsJoker(p.M()))
        return EmptyTakesJoker || p.FoundationHolds(p.Index());
    if (!CardOnWildFoundation(p, WorkingBase(p)))
        return false;
    return p.context().FoundationCount() != 4 || DistinctSuitsInGroup(p.context(), 0, 1, 2, p.Index(), p.M(), 3);
}

// The suit of foundation f's bottom card, or -1 while it is empty.
int StartSuit(const Placement& p, int f)
{
    return p.FoundationHolds(f) ? CardSuit(p.FoundationBottom(f)) : -1;
}

// 128, foundations 3 and 4: one suit, from the Ace up on foundation 3 and from the Jack down on
// foundation 4, a suit no other foundation has started with.
bool PairFoundation(const Placement& p)
{
    const int index = p.Index();
    for (int f : {0, 1, 2, 5, 6, 7})
        if (StartSuit(p, f) == p.SuitM())
            return false;
    const bool rising = index == 3;
    if (!p.FoundationHolds(index)) {
        const int partnerSuit = StartSuit(p, rising ? 4 : 3);
        return p.RankM() == (rising ? Ace : Jack) && (partnerSuit < 0 || partnerSuit == p.SuitM());
    }
    return p.SameSuit() && (rising ? p.UpWithWrap() : p.DownWithWrap());
}

// 128: the pair keeps its suit to itself; the other foundations start on their base and fall in
// suit with the wrap, leaving a suit free while the pair is not started.
bool PairedFoundations(const Placement& p)
{
    const int index = p.Index();
    if (index == 3 || index == 4)
        return PairFoundation(p);
    const int pairSuit = StartSuit(p, 3) >= 0 ? StartSuit(p, 3) : StartSuit(p, 4);
    if (pairSuit >= 0 && p.SuitM() == pairSuit)
        return false;
    if (pairSuit < 0 && !SuitCountWithin(p.context(), p.M(), 3))
        return false;
    if (!p.FoundationHolds(index))
        return p.RankM() == p.FoundationBase(index);
    return p.SameSuit() && p.DownWithWrap();
}

// 150, a tableau pile: jokers are wild: a joker goes on any card and into any space, and any
// card goes on a joker; other cards follow the standard rule in alternating colours.
bool WildJokersOnAlternatingPile(const Placement& p)
{
    return IsJoker(p.M()) || IsJoker(p.T()) || p.Standard(building::AlternateColours);
}

// 151, a foundation: only jokers, and only once every other foundation is complete.
bool JokersOnceTheSuitsAreHome(const Placement& p)
{
    if (!IsJoker(p.M()))
        return false;
    for (int f = 0; f < std::clamp(p.context().FoundationCount(), 0, kMaxFoundations); ++f)
        if (f != p.Index() && p.FoundationLength(f) < 13)
            return false;
    return true;
}

constexpr CodeEntry kWildCodes[] = {
    {72, JokersWild<false>},
    {75, JokersWild<true>},
    {128, PairedFoundations},
    {building::WildJokersAlternating, WildJokersOnAlternatingPile},
    {building::JokersAfterSuits, JokersOnceTheSuitsAreHome},
};

} // namespace

std::span<const CodeEntry> WildBuildingCodes() { return kWildCodes; }

} // namespace marlowe
