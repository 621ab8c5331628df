// The pile-kind wrappers of the placement predicate: each fetches its destination's rule
// parameters and adds the checks that belong to its kind of pile.

#include "engine/legality.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/cell_swaps.h"
#include "engine/legality_support.h"
#include "engine/table.h"

#include <algorithm>

namespace marlowe {

namespace {

using legality::BottomCard;
using legality::GamePileCount;
using legality::PileAt;
using legality::TopOrEmpty;

// Foundation code 22: some tableau top card of the card's suit is higher than it, or an Ace.
bool SuitWaitsOnTableau(const GameContext& context, int card)
{
    for (int t = 0; t < GamePileCount(context, PileGroup::Tableaus); ++t) {
        const int top = TopElement(PileAt(context, PileGroup::Tableaus, t));
        if (top <= 0 || CardSuit(top) != CardSuit(card))
            continue;
        if (CardRank(top) > CardRank(card) || CardRank(top) == Ace)
            return true;
    }
    return false;
}

bool IsCourtCard(int card)
{
    const int rank = CardRank(card);
    return rank == Jack || rank == Queen || rank == King;
}

// The reserve rules that take a card onto an empty reserve only, one card at a time.
bool EmptyReserveTakes(const GameContext& context, int reserve, int card, int movingCount, int code)
{
    if (!PileAt(context, PileGroup::Reserves, reserve).empty() || movingCount != 1)
        return false;
    switch (code) {
    case 9: return IsCourtCard(card);
    case 81: return true;
    default: {
        PlacementQuery query;
        query.top = -1;
        query.moving = card;
        query.base = -1;
        query.base0 = -1;
        query.direction = -1;
        query.code = code;
        query.toFoundation = true;
        query.buildOnBaseRank = true;
        query.index = reserve;
        query.playTime = true;
        query.movingCount = movingCount;
        return IsLegalPlacement(context, query);
    }
    }
}

} // namespace

bool TakesWholeSequencesOnly(const GameContext& context, int foundation)
{
    return base_rank::TakesWholeSequences(context.rules.Of(rule::FoundationBaseRank, foundation));
}

int FoundationCapacity(const GameContext& context, int foundation)
{
    const int own = context.rules.Of(rule::FoundationFullCountOf, foundation);
    return own > 0 ? own : context.rules[rule::FoundationFullCount];
}

bool FoundationRuleAccepts(const GameContext& context, int foundation, int card)
{
    if (foundation < 0 || foundation >= kMaxFoundations)
        return false;
    const std::string& pile = PileAt(context, PileGroup::Foundations, foundation);
    const int code = context.rules.Of(rule::FoundationBuildCode, foundation);
    if (code == building::QueenOnEmpty)
        return CardRank(card) == Queen && pile.empty();
    if (code == building::WaitsForTableauSuit)
        return CardRank(card) != Ace && SuitWaitsOnTableau(context, card);

    const int held = ElementCount(pile);
    if (held >= FoundationCapacity(context, foundation) && code != building::UpAnySuitFromAce && code != building::UpThenDownInSuit)
        return false;
    PlacementQuery query;
    query.top = TopOrEmpty(pile);
    query.moving = card;
    query.base = context.rules.Of(rule::FoundationBaseRank, foundation);
    query.base0 = query.base;
    query.direction = context.rules.Of(rule::FoundationDirection, foundation);
    query.code = code;
    query.toFoundation = true;
    query.buildOnBaseRank = true;
    query.index = foundation;
    query.playTime = true;
    return IsLegalPlacement(context, query) && (code != building::UpAnySuitFromAce || held < 52);
}

bool CanPlayOnFoundation(const GameContext& context, int foundation, int card, int movingCount)
{
    // A foundation that takes whole sequences gets them only from the sequence removal.
    if (movingCount != 1 || foundation < 0 || foundation >= kMaxFoundations ||
        TakesWholeSequencesOnly(context, foundation))
        return false;
    return FoundationRuleAccepts(context, foundation, card);
}

namespace {

// The placement question of a card (the bottom of movingCount cards) on tableau pile k whose
// top card, or the card that stands for it, is top.
PlacementQuery TableauQuery(const GameContext& context, int tableau, int top, int card, int movingCount)
{
    PlacementQuery query;
    query.top = top;
    query.moving = card;
    query.base = context.rules.Of(rule::TableauBaseRank, tableau);
    query.base0 = context.rules.Of(rule::FoundationBaseRank, 0);
    query.direction = context.rules.Of(rule::TableauDirection, tableau);
    query.code = context.rules.Of(rule::TableauBuildCode, tableau);
    query.toFoundation = false;
    query.buildOnBaseRank = context.rules.Of(rule::TableauWrap, tableau) > 0;
    query.index = tableau;
    query.playTime = true;
    query.movingCount = movingCount;
    return query;
}

// Whether the pile may hold one more element.
bool TableauMayGrow(const GameContext& context, const std::string& pile)
{
    const int maxCards = context.rules[rule::MaxTableauCards];
    return maxCards == -1 || ElementCount(pile) < maxCards;
}

bool JudgedByBothNeighbours(const GameContext& context, int tableau)
{
    const int code = context.rules.Of(rule::TableauBuildCode, tableau);
    return code == building::InSuitBesideEitherNeighbour || code == building::InSuitAroundTheRing;
}

// The card next to a cell in reading order (step -1 before it, +1 after it): 0 for a gap, -1 past
// the end of its row, except where the rows make a ring: there each row runs on into the next
// and the last into the first.
int NeighbourOfCell(const GameContext& context, int tableau, int cell, int step)
{
    const std::string& row = PileAt(context, PileGroup::Tableaus, tableau);
    const int at = cell + step;
    if (at >= 0 && at < ElementCount(row))
        return ElementAt(row, at);
    const int rows = std::clamp(context.TableauCount(), 1, kMaxTableaus);
    if (context.rules.Of(rule::TableauBuildCode, tableau) != building::InSuitAroundTheRing)
        return -1;
    const std::string& next = PileAt(context, PileGroup::Tableaus, (tableau + step + rows) % rows);
    if (next.empty())
        return -1;
    return step < 0 ? ElementAt(next, ElementCount(next) - 1) : ElementAt(next, 0);
}

// A gap judged by both neighbours also takes the card of the suit of the card after it that this
// card could follow; a row's first cell does so only where no rank starts the rows.
bool GoesBeforeRightNeighbour(const GameContext& context, int tableau, int cell, int card)
{
    if (cell == 0 && context.rules.Of(rule::TableauBaseRank, tableau) != base_rank::NoCard)
        return false;
    const int right = NeighbourOfCell(context, tableau, cell, 1);
    return right > 0 && !context.cards.IsFaceDown(right) && CardSuit(right) == CardSuit(card) &&
           IsLegalPlacement(context, TableauQuery(context, tableau, card, right, 1));
}

} // namespace

bool CanPlayInTableauCell(const GameContext& context, int tableau, int cell, int card)
{
    if (tableau < 0 || tableau >= kMaxTableaus || cell < 0)
        return false;
    if (SwapsInLine(context.rules, tableau))
        return MaySwapInto(context, tableau, cell, card);
    const std::string& row = PileAt(context, PileGroup::Tableaus, tableau);
    const int cells = ElementCount(row);
    const bool open = cell < cells ? ElementAt(row, cell) == 0 : cell == cells && TableauMayGrow(context, row);
    if (!open)
        return false;
    if (JudgedByBothNeighbours(context, tableau) && GoesBeforeRightNeighbour(context, tableau, cell, card))
        return true;
    const int left = NeighbourOfCell(context, tableau, cell, -1);
    if (left == 0 || (left > 0 && context.cards.IsFaceDown(left)))
        return false;
    const int blocked = context.mainGame.BlockedCard;
    if (blocked != 0 && left == blocked)
        return false;
    return IsLegalPlacement(context, TableauQuery(context, tableau, left, card, 1));
}

bool CanPlayOnTableau(const GameContext& context, int tableau, int card, int movingCount)
{
    if (tableau < 0 || tableau >= kMaxTableaus)
        return false;
    const std::string& pile = PileAt(context, PileGroup::Tableaus, tableau);
    if (TableauCellsArePlaces(context))
        return movingCount == 1 && CanPlayInTableauCell(context, tableau, ElementCount(pile), card);
    const int top = TopOrEmpty(pile);
    if (top > 0 && context.cards.IsFaceDown(top) && !SpecialTraitsOf(context.rules).buildsOnFaceDown)
        return false;
    if (!TableauMayGrow(context, pile))
        return false;

    const PlacementQuery query = TableauQuery(context, tableau, top, card, movingCount);
    bool legal = IsLegalPlacement(context, query);

    if (query.code == building::DownAnySuit && !pile.empty() && movingCount != 1)
        legal = false;
    if (legal && context.rules[rule::RunRule] != run_rule::AnyRun && movingCount > 1)
        legal = IsRunMovable(context, card, tableau);
    if (legal && PickRuleCountsTheTarget(context.rules[rule::TableauPickRule]) && movingCount > 1 && pile.empty())
        legal = RunRuleAllows(context, card, true);
    const int blocked = context.mainGame.BlockedCard;
    if (blocked != 0 && top == blocked)
        return false;
    return legal;
}

bool CanPlayOnReserve(const GameContext& context, int reserve, int card, int movingCount)
{
    if (reserve < 0 || reserve >= kMaxReserves)
        return false;
    const std::string& pile = PileAt(context, PileGroup::Reserves, reserve);
    const int firstReserveHeld = ElementCount(PileAt(context, PileGroup::Reserves, 0));
    const int code = context.rules.Of(rule::ReserveRule, reserve);
    switch (code) {
    case 4: return false;
    case 8: return movingCount == 1 && CardRank(card) == King && firstReserveHeld < 3;
    case 12: return true;
    case 85: return LocateCard(context, card) == kInWaste;
    case building::OneWasteCard: return movingCount == 1 && pile.empty() && LocateCard(context, card) == kInWaste;
    case 13: return movingCount == 1 && firstReserveHeld < 5;
    case 88: return movingCount == 1 && pile.empty() && CardRank(card) == Jack;
    case 89: return movingCount == 1 && pile.empty() && CardRank(card) == Queen;
    case 90: return movingCount == 1 && pile.empty() && CardRank(card) == King;
    case 103: return pile.empty() && IsEdgeFree(context, card);
    case 107:
        if (CardRank(card) != Ace)
            return false;
        return pile.empty() || IsRedCard(card) != IsRedCard(TopElement(pile));
    case 119: {
        const std::string& foundation = PileAt(context, PileGroup::Foundations, reserve);
        return pile.empty() && !foundation.empty() && CardSuit(card) == CardSuit(BottomCard(foundation)) &&
               CardRank(card) == Queen;
    }
    case 145: {
        if (pile.empty())
            return true;
        const int top = TopElement(pile);
        return CardRank(card) == CardRank(top) + 1 && CardSuit(card) == CardSuit(top);
    }
    default: return EmptyReserveTakes(context, reserve, card, movingCount, code);
    }
}

bool CanDropOnPile(const GameContext& context, int card, std::string_view pileName, int movingCount)
{
    const auto pile = ParsePileName(pileName);
    if (!pile)
        return false;
    switch (pile->group) {
    case PileGroup::Foundations: return CanPlayOnFoundation(context, pile->slot, card, movingCount);
    case PileGroup::Tableaus: return CanPlayOnTableau(context, pile->slot, card, movingCount);
    case PileGroup::Reserves: return CanPlayOnReserve(context, pile->slot, card, movingCount);
    case PileGroup::StockGroup: return false;
    }
    return false;
}

} // namespace marlowe
