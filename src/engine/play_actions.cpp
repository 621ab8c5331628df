#include "engine/play_actions.h"

#include "catalogue/game_traits.h"
#include "engine/drop_resolution.h"
#include "engine/game_context.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/selection.h"

namespace marlowe {

namespace {

PileKind KindOf(PileRef pile)
{
    switch (pile.group) {
    case PileGroup::Foundations: return PileKind::Foundation;
    case PileGroup::Tableaus: return PileKind::Tableau;
    case PileGroup::Reserves: return PileKind::Reserve;
    case PileGroup::StockGroup:
        return pile.slot == kStockSlot ? PileKind::Stock : pile.slot == kWasteSlot ? PileKind::Waste : PileKind::SecondWaste;
    }
    return PileKind::None;
}

void Press(GameContext& context, const PlayAction& action, PileRef source)
{
    switch (action.kind) {
    case ActionKind::Drop:
        if (PointerDown(context, PointerButton::Left, false, source, action.card) == PressResult::Picked)
            PointerMove(context);
        PointerUp(context, {DropCandidate{KindOf(action.target), action.target.slot, 1, action.cell}});
        return;
    case ActionKind::Click:
        PointerDown(context, PointerButton::Left, false, source, action.card);
        PointerUp(context, {});
        return;
    case ActionKind::DoubleClick:
        // As the window sees it: a click, the double click, then the second press and release,
        // which the double click's guard swallows when it set one.
        PointerDown(context, PointerButton::Left, false, source, action.card);
        PointerUp(context, {});
        DoubleClickSend(context, source, action.card);
        PointerDown(context, PointerButton::Left, false, source, action.card);
        PointerUp(context, {});
        return;
    case ActionKind::RightClick:
        PointerDown(context, PointerButton::Right, false, source, action.card);
        PointerUp(context, {});
        return;
    case ActionKind::Stock:
    case ActionKind::Press: break;
    }
}

} // namespace

std::string ActionText(const PlayAction& action)
{
    const std::string card = std::to_string(action.card);
    switch (action.kind) {
    case ActionKind::Drop: return "drop " + card + " " + PileCellName({action.target, action.cell});
    case ActionKind::Stock: return "stock";
    case ActionKind::Click: return "click " + card;
    case ActionKind::DoubleClick: return "dblclick " + card;
    case ActionKind::RightClick: return "rclick " + card;
    case ActionKind::Press: return "press " + PileCellName({action.target, -1});
    }
    return {};
}

bool PerformAction(GameContext& context, const PlayAction& action)
{
    const Snapshot before = TakeSnapshot(context);
    // A selection game's selection (foundation 1) is left out of snapshots, yet a click that
    // only selects or lets go of a card has been taken.
    const std::string selectionBefore = context.piles.foundations[0];
    if (action.kind == ActionKind::Stock || action.kind == ActionKind::Press) {
        const PileRef pile = action.kind == ActionKind::Stock ? PileRef{PileGroup::StockGroup, kStockSlot} : action.target;
        PointerDown(context, PointerButton::Left, false, pile, TopElement(context.piles[pile]));
        PointerUp(context, {});
    } else {
        // A selection game keeps a copy of the selected cards in foundation 1: the card is
        // pressed where it lies on the table.
        const auto source =
            LeftClickSelects(context.rules) ? HomeOfCard(context, action.card) : PileHolding(context, action.card);
        if (!source)
            return false;
        Press(context, action, *source);
    }
    return !(TakeSnapshot(context) == before) || context.piles.foundations[0] != selectionBefore;
}

} // namespace marlowe
