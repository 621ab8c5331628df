#include "engine/placing_phases.h"

#include "engine/game_context.h"
#include "engine/move_execution.h"
#include "engine/pile_store.h"
#include "engine/presentation.h"

#include <algorithm>

namespace marlowe {

namespace {

bool AnyPlaceFree(const GameContext& context)
{
    const int tableaus = std::clamp(context.TableauCount(), 0, kMaxTableaus);
    return std::any_of(context.piles.tableaus.begin(), context.piles.tableaus.begin() + tableaus,
                       [](const std::string& pile) { return pile.empty(); });
}

} // namespace

bool RemovalsOpen(const GameContext& context)
{
    const bool stockAndWasteOut = context.piles.Stock().empty() && context.piles.Waste().empty();
    return context.mainGame.GameCounter1 != 0 || !AnyPlaceFree(context) || stockAndWasteOut;
}

void KeepRemovalsOpen(GameContext& context)
{
    context.mainGame.GameCounter1 = 1;
}

bool TurnIntoFreePlace(GameContext& context)
{
    if (context.piles.Stock().empty() || !context.piles.Waste().empty())
        return false;
    if (!AnyPlaceFree(context)) {
        context.presentation().ShowInfo("Every place holds a card: remove a 10 or two cards adding up to 10 first.");
        return false;
    }
    if (!ExecuteMove(context, StockTurn::ToWaste))
        return false;
    context.mainGame.GameCounter1 = 0; // within the turn's undo step
    return true;
}

} // namespace marlowe
