// The central placement predicate: the decision order and the standard building rule.

#include "engine/legality.h"

#include "catalogue/rule_values.h"
#include "engine/building_codes.h"
#include "engine/cards.h"
#include "engine/holding_places.h"
#include "engine/legality_support.h"
#include "engine/table.h"

namespace marlowe {

namespace {

using legality::BottomCard;
using legality::GamePileCount;
using legality::PileAt;

bool IsFromTableau(CardLocation location) { return location > 0; }

// The wrap setting of tableau pile k (RuleVector[255+k]): 0 wraps, 1 or more also lets a card
// of the foundation base rank take cards, 2 forbids the K-A and A-K wraps.
int TableauWrap(const GameContext& context, int k)
{
    return k >= 0 && k < kMaxTableaus ? context.rules.Of(rule::TableauWrap, k) : 0;
}

// Base codes 92 and 93: the empty pile starts with the rank every started foundation starts with.
bool MatchesStartedFoundations(const GameContext& context, int base, int moving)
{
    bool anyStarted = false;
    for (int f = 0; f < GamePileCount(context, PileGroup::Foundations); ++f) {
        const std::string& pile = PileAt(context, PileGroup::Foundations, f);
        if (pile.empty())
            continue;
        anyStarted = true;
        if (CardRank(BottomCard(pile)) != CardRank(moving))
            return false;
    }
    if (base == base_rank::RankOfStartedFromReserve && !anyStarted)
        return IsReserveLocation(LocateCard(context, moving));
    return true;
}

// Base code 96: never from the tableau; from a reserve while any reserve holds cards, else
// from the waste.
bool ComesFromReserveOrWaste(const GameContext& context, int moving)
{
    const CardLocation from = LocateCard(context, moving);
    if (IsFromTableau(from))
        return false;
    for (int r = 0; r < GamePileCount(context, PileGroup::Reserves); ++r)
        if (!PileAt(context, PileGroup::Reserves, r).empty())
            return IsReserveLocation(from);
    return from == kInWaste;
}

// What an empty destination takes, by its base B.
bool EmptyDestinationTakes(const GameContext& context, const PlacementQuery& query)
{
    const int base = query.base;
    switch (base) {
    case base_rank::BalancedColoursFromAce:
    case base_rank::BalancedSuitsFromKing:
    case base_rank::BalancedSuitsFromAce:
    case base_rank::BalancedSuitsFromTwo: return FoundationStartBalance(context, base, query.moving);
    case base_rank::WholeSequencesFromAce:
    case base_rank::WholeSequencesFromAceToo: return false;
    case base_rank::SingleCard: return query.movingCount == 1;
    case base_rank::FromReserveOrFoundation: {
        const CardLocation from = LocateCard(context, query.moving);
        return from >= -32 && from <= 0;
    }
    case base_rank::NotFromTableau: return LocateCard(context, query.moving) <= 0;
    case base_rank::RankOfStarted:
    case base_rank::RankOfStartedFromReserve: return MatchesStartedFoundations(context, base, query.moving);
    case base_rank::FromReserveOrWaste: return ComesFromReserveOrWaste(context, query.moving);
    case base_rank::AceOrKing: return CardRank(query.moving) == Ace || CardRank(query.moving) == King;
    default: return CardRank(query.moving) == base || base == base_rank::AnyCard || query.base0 == base_rank::AnyCard;
    }
}

// The suit condition of a building code on a non-empty destination; codes without one pass.
bool SuitConditionHolds(int code, int top, int moving)
{
    switch (code) {
    case building::InSuit:
    case building::InSuitNoQueenOnCourt: return CardSuit(moving) == CardSuit(top);
    case building::SameColour: return IsRedCard(moving) == IsRedCard(top);
    case building::AlternateColours: return IsRedCard(moving) != IsRedCard(top);
    case building::NoSuitCondition: return false;
    default: return true;
    }
}

// A card's rank counted among the ranks the game's pack holds, so that building passes over the
// ranks a stripped pack lacks; the pack's highest rank plays the King's part.
int RankInPack(const GameContext& context, int card)
{
    return stripped_pack::Ordinal(context.rules[rule::StrippedPack], CardRank(card));
}

int TopRankInPack(const GameContext& context) { return stripped_pack::TopOrdinal(context.rules[rule::StrippedPack]); }

// A verdict that ends the rank test, or the running result when it goes on.
struct RankStep {
    bool result;
    bool final;
};

// The upward half of the rank test.
RankStep RankUp(const GameContext& context, const PlacementQuery& query, bool result)
{
    const int rankTop = RankInPack(context, query.top);
    const int rankMoving = RankInPack(context, query.moving);
    if (query.toFoundation) {
        if (rankTop == TopRankInPack(context)) {
            result = rankMoving == Ace && query.base != Ace;
            if (query.direction == direction::Up)
                return {result, true};
        }
    } else if (TableauWrap(context, query.index) == wrap::None) {
        result = NoWrapCheck(context, query.top, query.moving, query.direction, query.index);
    } else {
        if (CardRank(query.top) == query.base0 && !query.buildOnBaseRank)
            return {false, true};
        if (rankTop == TopRankInPack(context)) {
            // An up-or-down pile still takes a Queen on a King below, so only "up" ends here.
            result = rankMoving == Ace;
            if (query.direction == direction::Up)
                return {result, true};
        }
    }
    if (rankMoving == rankTop + 1)
        result = true;
    return {result, false};
}

// The downward half of the rank test; nothing follows it, so every verdict is its last.
bool RankDown(const GameContext& context, const PlacementQuery& query, bool result)
{
    const int rankTop = RankInPack(context, query.top);
    const int rankMoving = RankInPack(context, query.moving);
    if (query.toFoundation) {
        if (rankTop == Ace)
            return rankMoving == TopRankInPack(context) && query.base != King;
    } else if (TableauWrap(context, query.index) == wrap::None) {
        result = NoWrapCheck(context, query.top, query.moving, query.direction, query.index);
    } else {
        // Under the foundation base codes 81..83 an Ace plays the part of the base rank.
        const bool aceBase = query.base0 == base_rank::BalancedColoursFromAce || query.base0 == base_rank::WholeSequencesFromAce ||
                             query.base0 == base_rank::WholeSequencesFromAceToo;
        if ((CardRank(query.top) == query.base0 || (rankTop == Ace && aceBase)) && !query.buildOnBaseRank)
            return false;
        if (rankTop == Ace)
            return rankMoving == TopRankInPack(context);
    }
    return result || rankMoving == rankTop - 1;
}

// Step T: an empty foundation may also be bound by the start rule of the game's foundations.
bool ApplyFoundationStartRule(const GameContext& context, const PlacementQuery& query, bool result)
{
    if (!result || !query.toFoundation || query.top > 0)
        return result;
    switch (context.rules[rule::FoundationStartSuitRule]) {
    case 1: return DistinctSuitsInGroup(context, 0, 1, 2, query.index, query.moving, 3);
    case 2: return AlternatingColourStart(context, query.moving, query.index);
    default: return result;
    }
}

// The tableau lock: while the stock or the waste hold cards, tableau cards stay where they are,
// or (NoBuilding) the tableau piles take no card.
bool TableauLocked(const GameContext& context, const PlacementQuery& query)
{
    const int lock = context.rules[rule::TableauLock];
    if (lock == tableau_lock::HomeWhileHoldingPlaceEmpty) {
        const CardLocation from = LocateCard(context, query.moving);
        if (!IsFromTableau(from))
            return false;
        if (IsHoldingPlace(context.rules, from - 1))
            return !query.toFoundation;
        return query.toFoundation && !AnyHoldingPlaceEmpty(context);
    }
    const bool noBuilding = lock == tableau_lock::NoBuilding && !query.toFoundation && query.playTime;
    const bool applies = (query.toFoundation && lock == tableau_lock::ToFoundations) || lock == tableau_lock::AllMoves ||
                         lock == tableau_lock::AllMovesToo || noBuilding;
    if (!applies)
        return false;
    if (context.piles.Stock().empty() && context.piles.Waste().empty())
        return false;
    return noBuilding || IsFromTableau(LocateCard(context, query.moving));
}

} // namespace

bool StandardRule(const GameContext& context, const PlacementQuery& query, int code, bool prior)
{
    if (CardRank(query.top) <= 0)
        return EmptyDestinationTakes(context, query);
    if (!SuitConditionHolds(code, query.top, query.moving))
        return false;

    bool result = prior;
    const int direction = query.direction;
    if (direction != direction::Down && direction != direction::Up && direction != direction::UpOrDown)
        return false;
    if (direction == direction::Up || direction == direction::UpOrDown) {
        const RankStep up = RankUp(context, query, result);
        if (up.final)
            return up.result;
        result = up.result;
    }
    if (direction == direction::Down || (direction == direction::UpOrDown && !result))
        result = RankDown(context, query, result);
    return result;
}

bool IsLegalPlacement(const GameContext& context, const PlacementQuery& query)
{
    if (query.top == query.moving)
        return false;
    if (TableauLocked(context, query))
        return false;

    bool result;
    if (query.code < 4) {
        result = StandardRule(context, query, query.code);
    } else {
        const std::optional<bool> special = SpecialBuildingRule(context, query);
        result = special ? *special : StandardRule(context, query, query.code);
    }
    return ApplyFoundationStartRule(context, query, result);
}

} // namespace marlowe
