// Positions that can never be won: a card lies above a card of its own foundation that must go
// home before it, and no card from there up to it can ever leave the pile.

#include "engine/card_model.h"

#include <algorithm>

namespace marlowe {

// Each card's place in its foundation's order, where one foundation rule holds every pile and
// each card has one card to follow it home; else the test is left out.
void CardModel::PrepareDeadTest(int foundationClass)
{
    const int codes = maxCode_ + 1;
    bool cells = false;
    for (const Pile& pile : piles_)
        cells = cells || (pile.role == Role::Reserve && pile.rulesClass == 1);
    if (foundationClass < 0 || golf_ || rows_ || cells)
        return;
    homeDepth_.assign(static_cast<std::size_t>(codes), -1);
    homeChain_.assign(static_cast<std::size_t>(codes), -1);
    for (int start = 1; start < codes; ++start) {
        if (!AcceptsPair(foundationClass, 0, start))
            continue;
        int depth = 0;
        for (int card = start; card != 0; ++depth) {
            if (homeDepth_[static_cast<std::size_t>(card)] != -1)
                return; // a card reached twice: no single order
            homeDepth_[static_cast<std::size_t>(card)] = depth;
            homeChain_[static_cast<std::size_t>(card)] = start;
            const std::size_t at = static_cast<std::size_t>(foundationClass * codes + card);
            int next = 0;
            if (onlyNext_[at])
                for (int other = 1; other < codes; ++other)
                    next = AcceptsPair(foundationClass, card, other) ? other : next;
            card = next != 0 && homeDepth_[static_cast<std::size_t>(next)] == -1 && depth + 1 < fullCount_ ? next : 0;
        }
    }
    // Every card must go home on its one predecessor, or start its foundation.
    for (int card = 1; card < codes; ++card) {
        if (homeDepth_[static_cast<std::size_t>(card)] == -1)
            return;
        for (int top = 0; top < codes; ++top)
            if (AcceptsPair(foundationClass, top, card) &&
                (top == 0 ? homeDepth_[static_cast<std::size_t>(card)] != 0
                          : homeChain_[static_cast<std::size_t>(top)] != homeChain_[static_cast<std::size_t>(card)] ||
                                homeDepth_[static_cast<std::size_t>(top)] + 1 != homeDepth_[static_cast<std::size_t>(card)]))
                return;
    }
    targetsOf_.assign(static_cast<std::size_t>(codes), {});
    onEmptyPile_.assign(static_cast<std::size_t>(codes), false);
    // A tableau card can go only to piles that take cards from the tableau.
    for (const Pile& pile : piles_) {
        if (pile.role != Role::Tableau || !pile.takesTableauCards)
            continue;
        for (int card = 1; card < codes; ++card) {
            if (AcceptsPair(pile.rulesClass, 0, card))
                onEmptyPile_[static_cast<std::size_t>(card)] = true;
            for (int top = 1; top < codes; ++top) {
                auto& targets = targetsOf_[static_cast<std::size_t>(card)];
                if (AcceptsPair(pile.rulesClass, top, card) && std::find(targets.begin(), targets.end(), top) == targets.end())
                    targets.push_back(top);
            }
        }
    }
    // Where an empty pile takes any card, no card is ever held for good.
    deadTest_ = std::find(onEmptyPile_.begin() + 1, onEmptyPile_.end(), false) != onEmptyPile_.end();
    // Where no pile takes a tableau card (Sir Tommy's piles), tableau cards leave only for home.
    leaveOnlyForHome_ = deadTest_ && std::none_of(piles_.begin(), piles_.end(), [](const Pile& pile) {
        return (pile.role == Role::Tableau && pile.takesTableauCards) || pile.role == Role::Reserve;
    });
    nextHome_.assign(static_cast<std::size_t>(codes), 0);
    for (int card = 1; card < codes; ++card)
        for (int next = 1; next < codes; ++next)
            if (homeChain_[static_cast<std::size_t>(next)] == homeChain_[static_cast<std::size_t>(card)] &&
                homeDepth_[static_cast<std::size_t>(next)] == homeDepth_[static_cast<std::size_t>(card)] + 1)
                nextHome_[static_cast<std::size_t>(card)] = next;
}

// Where tableau cards leave only for the foundations, a card goes home after the card on it
// and after the card before it in its foundation's order. A circle of such waits is never
// broken: none of its cards can go home.
bool CardModel::WaitsInACircle(const ModelPosition& p, const std::array<bool, 256>& home) const
{
    std::array<std::uint8_t, 256> below{}; // per tableau card, the card it lies on (0: none)
    for (int pile = firstTableau_; pile < endTableau_; ++pile)
        for (int at = Begin(p, pile) + 1; at < p.end[static_cast<std::size_t>(pile)]; ++at)
            below[p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit] = p.cards[static_cast<std::size_t>(at - 1)] & ~kFaceDownBit;
    // Each card holds back two others at most: the card below it and the card after it home.
    // A depth-first walk along those two edges finds a circle when it meets a card on its path.
    enum : std::uint8_t { Unseen, OnPath, Cleared };
    std::array<std::uint8_t, 256> state{};
    std::array<std::uint8_t, 256> path{};
    std::array<std::uint8_t, 256> edge{};
    for (int start = 1; start <= maxCode_; ++start) {
        if (home[static_cast<std::size_t>(start)] || state[static_cast<std::size_t>(start)] != Unseen)
            continue;
        int depth = 0;
        path[0] = static_cast<std::uint8_t>(start);
        edge[0] = 0;
        state[static_cast<std::size_t>(start)] = OnPath;
        while (depth >= 0) {
            const int card = path[static_cast<std::size_t>(depth)];
            if (edge[static_cast<std::size_t>(depth)] == 2) {
                state[static_cast<std::size_t>(card)] = Cleared;
                --depth;
                continue;
            }
            const int next = edge[static_cast<std::size_t>(depth)]++ == 0 ? below[static_cast<std::size_t>(card)]
                                                                           : nextHome_[static_cast<std::size_t>(card)];
            if (next == 0 || home[static_cast<std::size_t>(next)] || state[static_cast<std::size_t>(next)] == Cleared)
                continue;
            if (state[static_cast<std::size_t>(next)] == OnPath)
                return true;
            state[static_cast<std::size_t>(next)] = OnPath;
            ++depth;
            path[static_cast<std::size_t>(depth)] = static_cast<std::uint8_t>(next);
            edge[static_cast<std::size_t>(depth)] = 0;
        }
    }
    return false;
}

// A card below another is held there while the other stays. A card stays for good when it
// cannot go home (a card its foundation wants first lies below it), and neither it nor any
// run it could be carried in can go anywhere: every card such a run could start with has its
// places on the tableau home or below it in this pile, and no empty pile or cell takes it.
// Cards below the run and face-down cards that stay covered never change, so a run that is
// out of sequence now stays so.
bool CardModel::IsDead(const ModelPosition& p, PileSet changed) const
{
    if (!deadTest_)
        return false;
    // A pile can turn dead only by a change of its own cards or of the foundations.
    std::array<bool, 256> home{};
    bool homeChanged = false;
    for (int pile = 0; pile < pileCount_; ++pile)
        if (piles_[static_cast<std::size_t>(pile)].role == Role::Foundation) {
            homeChanged = homeChanged || (changed & PileBit(pile)) != 0;
            for (int at = Begin(p, pile); at < p.end[static_cast<std::size_t>(pile)]; ++at)
                home[static_cast<std::size_t>(p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit)] = true;
        }
    bool tableauChanged = homeChanged;
    for (int pile = firstTableau_; pile < endTableau_; ++pile)
        tableauChanged = tableauChanged || (changed & PileBit(pile)) != 0;
    if (leaveOnlyForHome_ && tableauChanged && WaitsInACircle(p, home))
        return true;
    std::array<std::int16_t, 256> placeOf{}; // where each card of the pile under test lies
    placeOf.fill(-1);
    for (int pile = firstTableau_; pile < endTableau_; ++pile) {
        if (!homeChanged && (changed & PileBit(pile)) == 0)
            continue;
        const int begin = Begin(p, pile);
        const int end = p.end[static_cast<std::size_t>(pile)];
        for (int at = begin; at < end; ++at)
            placeOf[static_cast<std::size_t>(p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit)] = static_cast<std::int16_t>(at);
        const bool dead = PileIsDead(p, pile, home, placeOf);
        for (int at = begin; at < end; ++at)
            placeOf[static_cast<std::size_t>(p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit)] = -1;
        if (dead)
            return true;
    }
    return false;
}

bool CardModel::PileIsDead(const ModelPosition& p, int pile, const std::array<bool, 256>& home,
                           const std::array<std::int16_t, 256>& placeOf) const
{
    const int begin = Begin(p, pile);
    const int end = p.end[static_cast<std::size_t>(pile)];
    const int sequenceClass = sequenceClassOf_[static_cast<std::size_t>(pile)];
    const auto cardAt = [&](int at) { return p.cards[static_cast<std::size_t>(at)] & ~kFaceDownBit; };
    const auto faceDown = [&](int at) { return (p.cards[static_cast<std::size_t>(at)] & kFaceDownBit) != 0; };
    // Whether the card at `at` may move in one run with the card below it while the card at
    // high stays: both face up (a face-down card covered by one that stays stays face down)
    // and in sequence by the pile's run test.
    const auto onBelowInSequence = [&](int at, int high) {
        if (faceDown(at - 1) || (at < high && faceDown(at)))
            return false;
        return sequenceClass < 0 ||
               sequence_[static_cast<std::size_t>(sequenceClass)][static_cast<std::size_t>(cardAt(at - 1) * (maxCode_ + 1) + cardAt(at))] != 0;
    };
    const auto stuck = [&](int at) {
        const int card = cardAt(at);
        if (onEmptyPile_[static_cast<std::size_t>(card)])
            return false;
        for (const int target : targetsOf_[static_cast<std::size_t>(card)]) {
            const int place = placeOf[static_cast<std::size_t>(target)];
            if (!home[static_cast<std::size_t>(target)] && !(place >= begin && place < at))
                return false;
        }
        return true;
    };
    for (int high = begin + 1; high < end; ++high) {
        const int card = cardAt(high);
        // The nearest card below that must go home before this one.
        int low = high - 1;
        while (low >= begin && (homeChain_[static_cast<std::size_t>(cardAt(low))] != homeChain_[static_cast<std::size_t>(card)] ||
                                homeDepth_[static_cast<std::size_t>(cardAt(low))] > homeDepth_[static_cast<std::size_t>(card)]))
            --low;
        if (low < begin)
            continue;
        // Runs from each card above the low one up to this one: out of sequence, or stuck.
        bool inSequence = true;
        bool held = true;
        for (int at = high; at > low && held; --at) {
            if (at < high)
                inSequence = inSequence && onBelowInSequence(at + 1, high);
            held = !inSequence || stuck(at);
        }
        // A run from the low card or further down carries the low card along with this one.
        if (held && !(inSequence && onBelowInSequence(low + 1, high)))
            return true;
    }
    return false;
}

} // namespace marlowe
