#include "engine/court_slots.h"

#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/selection.h"

#include <algorithm>

namespace marlowe {

namespace {

int Reserves(const GameContext& context)
{
    return std::clamp(context.ReserveCount(), 0, kMaxReserves);
}

std::string& Selection(GameContext& context)
{
    return context.piles.foundations[0];
}

} // namespace

int CourtSlotFor(const GameContext& context, int card)
{
    for (int r = 0; r < Reserves(context); ++r)
        if (CanPlayOnReserve(context, r, card))
            return r;
    return -1;
}

bool SendCourtToSlot(GameContext& context)
{
    const std::vector<int> selected = SelectedCards(context);
    const int slot = selected.size() == 1 ? CourtSlotFor(context, selected[0]) : -1;
    const auto home = selected.size() == 1 ? HomeOfCard(context, selected[0]) : std::nullopt;
    if (slot < 0 || !home)
        return false;
    context.presentation().HighlightCard(selected[0], *home, false);
    Selection(context).clear();
    return ExecuteMove(context, selected[0], PileRef{PileGroup::Reserves, slot});
}

void DiscardFullCourtSlots(GameContext& context)
{
    if (Reserves(context) == 0)
        return;
    std::vector<int> courts;
    for (int r = 0; r < Reserves(context); ++r) {
        const int card = TopElement(context.piles.reserves[static_cast<std::size_t>(r)]);
        if (card <= 0)
            return;
        courts.push_back(card);
    }
    Selection(context) = PileTextOf(courts);
    if (ExecuteMove(context, SelectionStep::RemoveSet))
        DropLastSnapshots(context, 1); // the set leaves within the undo step of the court that completed it
}

} // namespace marlowe
