// Where the tableau piles only hold cards for the foundations (Sir Tommy's), a card put on one
// waits there until every card above it has gone home. How much the piles hold cards back
// guides the search: it counts each card lying on a card the foundations want sooner.

#include "engine/card_model.h"

#include <algorithm>

namespace marlowe {

void CardModel::HomeRounds(const ModelPosition& p, Rounds& rounds) const
{
    // The cards off the foundations in the order they come to hand: the waste's top first, the
    // tableau piles' cards by depth, the reserves' from the top, the stock as it is turned.
    std::array<std::uint8_t, kModelCardSlots> pool{};
    int pooled = 0;
    const auto addTopFirst = [&](int pile) {
        for (int at = p.end[static_cast<std::size_t>(pile)] - 1; at >= Begin(p, pile); --at)
            pool[static_cast<std::size_t>(pooled++)] = static_cast<std::uint8_t>(CodeOf(p.cards[static_cast<std::size_t>(at)]));
    };
    if (waste_ >= 0)
        addTopFirst(waste_);
    for (int depth = 0, found = 1; found; ++depth) {
        found = 0;
        for (int pile = firstTableau_; pile < endTableau_; ++pile) {
            const int at = p.end[static_cast<std::size_t>(pile)] - 1 - depth;
            if (at < Begin(p, pile))
                continue;
            found = 1;
            pool[static_cast<std::size_t>(pooled++)] = static_cast<std::uint8_t>(CodeOf(p.cards[static_cast<std::size_t>(at)]));
        }
    }
    for (int pile = 0; pile < pileCount_; ++pile)
        if (piles_[static_cast<std::size_t>(pile)].role == Role::Reserve)
            addTopFirst(pile);
    if (stock_ >= 0)
        addTopFirst(stock_);

    // The foundations take cards in rounds, one each per round: the first card in hand it accepts.
    rounds.fill(kNeverHome);
    struct Home {
        int pile, top, size;
    };
    std::vector<Home> homes;
    for (int pile = 0; pile < pileCount_; ++pile)
        if (piles_[static_cast<std::size_t>(pile)].role == Role::Foundation)
            homes.push_back({pile, CodeOf(static_cast<std::uint8_t>(Top(p, pile))), Size(p, pile)});
    std::array<bool, kModelCardSlots> taken{};
    for (int round = 0, took = 1; took && round < kNeverHome; ++round) {
        took = 0;
        for (Home& home : homes) {
            if (home.size >= fullCount_)
                continue;
            const int rulesClass = piles_[static_cast<std::size_t>(home.pile)].rulesClass;
            int at = 0;
            while (at < pooled && (taken[static_cast<std::size_t>(at)] || !AcceptsPair(rulesClass, home.top, pool[static_cast<std::size_t>(at)])))
                ++at;
            if (at == pooled)
                continue;
            taken[static_cast<std::size_t>(at)] = true;
            took = 1;
            home.top = pool[static_cast<std::size_t>(at)];
            ++home.size;
            rounds[static_cast<std::size_t>(home.top)] = static_cast<std::uint8_t>(round);
        }
    }
}

int CardModel::CardsHome(const ModelPosition& p) const
{
    int home = 0;
    for (int pile = 0; pile < pileCount_; ++pile)
        home += piles_[static_cast<std::size_t>(pile)].role == Role::Foundation ? Size(p, pile) : 0;
    return home;
}

int CardModel::Burial(const ModelPosition& p, const Rounds& rounds) const
{
    int burial = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile)
        for (int at = Begin(p, pile) + 1; at < p.end[static_cast<std::size_t>(pile)]; ++at) {
            const int below = rounds[static_cast<std::size_t>(CodeOf(p.cards[static_cast<std::size_t>(at - 1)]))];
            const int above = rounds[static_cast<std::size_t>(CodeOf(p.cards[static_cast<std::size_t>(at)]))];
            burial += std::max(0, above - below);
        }
    return burial;
}

int CardModel::HeldBackCards(const ModelPosition& p) const
{
    Rounds rounds;
    HomeRounds(p, rounds);
    int held = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile) {
        int soonest = kNeverHome + 1;
        for (int at = Begin(p, pile); at < p.end[static_cast<std::size_t>(pile)]; ++at) {
            const int round = rounds[static_cast<std::size_t>(CodeOf(p.cards[static_cast<std::size_t>(at)]))];
            held += round > soonest ? 1 : 0;
            soonest = std::min(soonest, round);
        }
    }
    return held;
}

} // namespace marlowe
