#include "engine/placing_phases.h"

#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/move_execution.h"
#include "engine/pile_store.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <algorithm>

namespace marlowe {

namespace {

int Tableaus(const GameContext& context)
{
    return std::clamp(context.TableauCount(), 0, kMaxTableaus);
}

bool AnyPlaceFree(const GameContext& context)
{
    return std::any_of(context.piles.tableaus.begin(), context.piles.tableaus.begin() + Tableaus(context),
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

int RoomForCourts(const GameContext& context)
{
    int spare[King + 1] = {}; // by rank: free places kept for it, less its cards to come
    int room = 0;
    for (int k = 0; k < Tableaus(context); ++k) {
        const int kept = context.rules.Of(rule::TableauBaseRank, k);
        if (kept < Jack || kept > King)
            continue;
        const std::string& place = context.piles.tableaus[static_cast<std::size_t>(k)];
        if (place.empty())
            ++spare[kept];
        else if (CardRank(ElementAt(place, 0)) <= 10)
            --room;
    }
    for (const std::string* pile : {&context.piles.Stock(), &context.piles.Waste()})
        for (const int card : PileCodes(*pile))
            if (const int rank = CardRank(card); rank >= Jack && rank <= King)
                --spare[rank];
    for (int rank = Jack; rank <= King; ++rank)
        room += 10 * std::min(spare[rank], 0);
    return room;
}

} // namespace marlowe
