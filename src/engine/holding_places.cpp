#include "engine/holding_places.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/legality_support.h"

#include <algorithm>

namespace marlowe {

namespace {

int TurnLimit(const GameContext& context)
{
    return SpecialTraitsOf(context.rules).turnsWhilePlaceEmpty;
}

// The turns made while a place stood empty since one was last filled.
std::int16_t& TurnsMade(GameContext& context)
{
    return context.mainGame.GameCounter1;
}

} // namespace

bool IsHoldingPlace(const RuleVector& rules, int tableau)
{
    return rules.Of(rule::TableauBuildCode, tableau) == building::HoldingPlace;
}

bool AnyHoldingPlaceEmpty(const GameContext& context)
{
    for (int k = 0; k < legality::GamePileCount(context, PileGroup::Tableaus); ++k)
        if (IsHoldingPlace(context.rules, k) && context.piles.tableaus[static_cast<std::size_t>(k)].empty())
            return true;
    return false;
}

int TurnsLeftWhilePlaceEmpty(const GameContext& context)
{
    const int limit = TurnLimit(context);
    if (limit == 0 || !AnyHoldingPlaceEmpty(context))
        return -1;
    return std::max(limit - context.mainGame.GameCounter1, 0);
}

std::string StockTurnRefusal(const GameContext& context)
{
    if (TurnsLeftWhilePlaceEmpty(context) != 0 || context.piles.Stock().empty())
        return "";
    return "Fill the empty place first: only " + std::to_string(TurnLimit(context)) +
           " cards may be turned while one stands empty";
}

void CountStockTurn(GameContext& context)
{
    if (TurnLimit(context) != 0 && AnyHoldingPlaceEmpty(context))
        ++TurnsMade(context);
}

void NoteTableauFilled(GameContext& context, int tableau)
{
    if (TurnLimit(context) != 0 && IsHoldingPlace(context.rules, tableau))
        TurnsMade(context) = 0;
}

} // namespace marlowe
