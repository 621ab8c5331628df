// The foundation moves a deal makes by itself, right after the cards are laid out.

#include "engine/deal.h"
#include "engine/deal_pack.h"
#include "engine/legality.h"
#include "engine/scoring.h"

namespace marlowe {

namespace {

// May card go onto foundation k now? The deal-time question: an empty foundation shows top 0.
bool FoundationTakesAtDeal(const GameContext& context, int k, int card)
{
    const RuleVector& rules = context.rules;
    PlacementQuery query;
    query.top = TopElement(context.piles.foundations[static_cast<std::size_t>(k)]);
    query.moving = card;
    query.base = rules.Of(rule::FoundationBaseRank, k);
    query.base0 = query.base;
    query.direction = rules.Of(rule::FoundationDirection, k);
    query.code = rules.Of(rule::FoundationBuildCode, k);
    query.toFoundation = true;
    query.buildOnBaseRank = true;
    query.index = k;
    query.playTime = false;
    return IsLegalPlacement(context, query);
}

int LongestPile(const GameContext& context, PileGroup group)
{
    int longest = 0;
    for (int k = 0; k < GamePileCount(context, group); ++k)
        longest = std::max(longest, ElementCount(context.piles.Slot(group, k)));
    return longest;
}

} // namespace

int MaxTableauLength(const GameContext& context)
{
    return LongestPile(context, PileGroup::Tableaus);
}

int MaxReserveLength(const GameContext& context)
{
    return LongestPile(context, PileGroup::Reserves);
}

bool TryCardToFoundation(GameContext& context, int card, int foundation)
{
    const int foundations = GamePileCount(context, PileGroup::Foundations);
    const int first = foundation == -1 ? 0 : foundation;
    const int last = foundation == -1 ? foundations - 1 : foundation;
    if (!IsCardCode(card) || first < 0 || last >= foundations)
        return false;
    for (int k = first; k <= last; ++k) {
        if (!FoundationTakesAtDeal(context, k, card))
            continue;
        RemoveCardFromTable(context, card, RemoveMode::Delete);
        PlaceFaceUp(context, FoundationPile(k), card);
        AddFoundationScore(context, 1);
        return true;
    }
    return false;
}

bool TryCardToFoundationGroup(GameContext& context, int card, int pile)
{
    const int first = pile >= 6 && pile <= 9 ? 4 : 0;
    const int last = pile >= 0 && pile <= 3 ? 3 : 7;
    for (int f = first; f <= last; ++f)
        if (TryCardToFoundation(context, card, f))
            return true;
    return false;
}

void AutoFoundationAfterDeal(GameContext& context)
{
    const int starter = context.rules[rule::FoundationStarter];
    // Tries the card at position l of tableau pile m; true when it went home.
    auto tryCard = [&](int m, int l) {
        const int card = ElementAt(context.piles.tableaus[static_cast<std::size_t>(m)], l);
        switch (starter) {
        case 93: return TryCardToFoundation(context, card, -1);
        case 94: return TryCardToFoundation(context, card, m);
        case 95: return TryCardToFoundationGroup(context, card, m);
        default: return false;
        }
    };
    const int piles = GamePileCount(context, PileGroup::Tableaus);
    // After a card went home the same place is tried again: it now holds the card above.
    if (context.rules[rule::ScanOrder] == 0) {
        for (int l = 0; l <= MaxTableauLength(context); ++l)
            for (int m = 0; m < piles; ++m)
                while (tryCard(m, l)) {
                }
    } else {
        for (int m = 0; m < piles; ++m)
            for (int l = 0; l <= MaxTableauLength(context); ++l)
                while (tryCard(m, l)) {
                }
    }
}

} // namespace marlowe
