#include "engine/move_execution.h"

#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cell_swaps.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/holding_places.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/placing_rounds.h"
#include "engine/post_move.h"
#include "engine/presentation.h"
#include "engine/scoring.h"
#include "engine/sets_of_four.h"
#include "engine/selection_removal.h"
#include "engine/stock.h"
#include "engine/table.h"

namespace marlowe {

namespace {

// What one call has done so far.
struct MoveState {
    bool made = false;
    bool turnUpRequest = false;
};

void DrawPiles(GameContext& context, std::optional<PileRef> source, PileRef destination)
{
    if (source)
        context.presentation().DrawPile(*source);
    context.presentation().DrawPile(destination);
}

// Takes the card out of its pile the way the game removes cards: where tableau cells keep
// their places a tableau card leaves a gap. Returns where it lay.
CardLocation TakeCard(GameContext& context, int card)
{
    const CardLocation from = LocateCard(context, card);
    const bool cellsKeepPlaces = context.rules[rule::TableauStyle] == pile_style::FannedDownKeepingGaps || TableauCellsArePlaces(context);
    const bool leaveGap = cellsKeepPlaces && from > 0;
    RemoveCardFromTable(context, card, leaveGap ? RemoveMode::LeaveGap : RemoveMode::Delete);
    return from;
}

void PutFaceUp(GameContext& context, PileRef pile, int card)
{
    AddCardToPile(context, pile, card, '1');
}

// Records the undo point and carries the card alone onto the pile, face up; a card taken from
// a tableau asks for the exposed card to be turned up.
CardLocation CarryCard(GameContext& context, int card, PileRef destination, MoveState& state)
{
    RecordSnapshot(context);
    const CardLocation from = TakeCard(context, card);
    PutFaceUp(context, destination, card);
    state.turnUpRequest = from > 0;
    DrawPiles(context, PileOfLocation(from), destination);
    state.made = true;
    return from;
}

void StoreWinTest(GameContext& context)
{
    context.flags.Set(WonMark, IsGameWon(context));
}

bool MoveToFoundation(GameContext& context, int card, int foundation, Mover mover, MoveState& state)
{
    if (foundation < 0 || foundation >= kMaxFoundations)
        return false;
    CarryCard(context, card, {PileGroup::Foundations, foundation}, state);
    StoreWinTest(context);
    if (mover == Mover::Autoplay)
        PlayEventSound(context, "Autoplay", SoundSwitch::Autoplay);
    else
        PlayEventSound(context, "Foundation", SoundSwitch::Foundation);
    return true;
}

bool MoveToTableau(GameContext& context, int card, int tableau, bool carryRun, Mover mover, MoveState& state)
{
    if (tableau < 0 || tableau >= kMaxTableaus)
        return false;
    const PileRef destination{PileGroup::Tableaus, tableau};
    RecordSnapshot(context);
    const CardLocation from = LocateCard(context, card);
    // The neighbours of a card in a row of cells stay in their own cells, and the cards on a
    // reserve card played alone stay on the reserve.
    const bool fromRun = (from <= -21 && !ReserveCardsMoveAlone(context)) || (from > 0 && !TableauCellsArePlaces(context));
    const auto run = carryRun && fromRun ? TakeRunFrom(context, card, false) : std::vector<std::string>{};
    if (run.size() > 1) {
        CutRunFrom(context, card);
        for (const auto& element : run)
            PutFaceUp(context, destination, static_cast<int>(*ParseInteger(element)));
        state.turnUpRequest = true;
    } else {
        TakeCard(context, card);
        PutFaceUp(context, destination, card);
        state.turnUpRequest = from > 0;
    }
    NoteTableauFilled(context, tableau);
    DrawPiles(context, PileOfLocation(from), destination);

    if (from > 0)
        RemoveCompleteSequence(context, from - 1);
    RemoveCompleteSequence(context, tableau);
    DiscardSetsOfFour(context);
    PlayEventSound(context, "Tableau", SoundSwitch::Tableau);
    if (context.rules.Of(rule::TableauBuildCode, tableau) == building::JumpIntoGap)
        CaptureJumpedCard(context, from, tableau);

    switch (SpecialTraitsOf(context.rules).afterTableauMove) {
    case AfterTableauMove::ScoreAndWinTest:
        RecomputeScore(context);
        StoreWinTest(context);
        break;
    case AfterTableauMove::WinTest: StoreWinTest(context); break;
    case AfterTableauMove::TwoCardExchange:
        ExchangeOnTwoCardTableau(context, tableau, from);
        RecomputeScore(context);
        StoreWinTest(context);
        break;
    case AfterTableauMove::Nothing: break;
    }
    CountPlacedCard(context, from, mover);
    state.made = true;
    return true;
}

// Carries the card alone into a cell of a tableau row: a gap of the row, or the place just past
// its last cell. A cell that holds a card is never overwritten, and only rows whose cells are
// places have cells: elsewhere a card taken out closes its pile up and the cells would shift.
bool MoveToTableauCell(GameContext& context, int card, PileCell target, MoveState& state)
{
    if (!TableauCellsArePlaces(context) || target.cell < 0)
        return false;
    const std::string& row = context.piles[target.pile];
    const int cells = ElementCount(row);
    if (SwapsInLine(context.rules, target.pile.slot)) {
        RecordSnapshot(context);
        SwapCells(context, card, target);
        TurnAfterSwap(context);
        PlayEventSound(context, "Tableau", SoundSwitch::Tableau);
        state.made = true;
        return true;
    }
    if (target.cell > cells || (target.cell < cells && ElementAt(row, target.cell) != 0))
        return false;
    RecordSnapshot(context);
    const CardLocation from = TakeCard(context, card);
    if (target.cell == cells) {
        PutFaceUp(context, target.pile, card);
    } else {
        context.piles[target.pile].replace(static_cast<std::size_t>(target.cell) * 3, 3, CodeText(card));
        context.cards.SetCardFaceMark(card, '1');
    }
    DrawPiles(context, PileOfLocation(from), target.pile);
    PlayEventSound(context, "Tableau", SoundSwitch::Tableau);
    StoreWinTest(context);
    state.made = true;
    return true;
}

bool MoveToReserve(GameContext& context, int card, int reserve, MoveState& state)
{
    if (reserve < 0 || reserve >= kMaxReserves)
        return false;
    CarryCard(context, card, {PileGroup::Reserves, reserve}, state);
    PlayEventSound(context, "Tableau", SoundSwitch::Tableau);
    return true;
}

// The card goes to the waste or the secondary waste (slot).
bool MoveToWastePile(GameContext& context, int card, int slot, MoveState& state)
{
    CarryCard(context, card, {PileGroup::StockGroup, slot}, state);
    StoreWinTest(context);
    if (slot == kWasteSlot)
        PlayEventSound(context, "Tableau", SoundSwitch::Tableau);
    else if (SpecialTraitsOf(context.rules).eddySound)
        PlayEventSound(context, "Eddy", SoundSwitch::Foundation);
    return true;
}

bool StockAndWasteNearlyEmpty(const GameContext& context)
{
    return context.piles.Stock().empty() && ElementCount(context.piles.Waste()) <= 1;
}

// Only the opening card to a foundation may open a game whose first move must be that.
bool PassesFirstMoveGate(const GameContext& context, int card, const CardTarget& target)
{
    return !AwaitsFirstFoundationMove(context) ||
           (MayOpenTheGame(context, LocateCard(context, card)) && target.pile.group == PileGroup::Foundations);
}

bool MoveCard(GameContext& context, int card, const CardTarget& target, bool carryRun, MoveState& state)
{
    const int slot = target.pile.slot;
    switch (target.pile.group) {
    case PileGroup::Foundations: return MoveToFoundation(context, card, slot, target.mover, state);
    case PileGroup::Tableaus:
        return target.cell >= 0 ? MoveToTableauCell(context, card, {target.pile, target.cell}, state)
                                : MoveToTableau(context, card, slot, carryRun, target.mover, state);
    case PileGroup::Reserves: return MoveToReserve(context, card, slot, state);
    case PileGroup::StockGroup: return slot != kStockSlot && MoveToWastePile(context, card, slot, state);
    }
    return false;
}

// Carries out a table action; true when it counted as a move.
bool RunTableAction(GameContext& context, const TableAction& action, bool& turnUpRequest)
{
    if (const auto* turn = std::get_if<StockTurn>(&action))
        return TurnStock(context, *turn);
    if (const auto* row = std::get_if<RowDeal>(&action))
        return DealFromStock(context, *row);
    if (const auto* onto = std::get_if<DealOnto>(&action))
        return DealFromStock(context, *onto);
    return ExecuteSelectionStep(context, std::get<SelectionStep>(action), turnUpRequest);
}

// The consequences that follow every move, in their fixed order.
void AfterMove(GameContext& context, bool toReserve, bool stockWasNearlyEmpty, const MoveState& state)
{
    if (!stockWasNearlyEmpty && StockAndWasteNearlyEmpty(context))
        context.presentation().DrawPile({PileGroup::StockGroup, kStockSlot});
    if (state.made) {
        context.mainGame.DropRetryMark = 0;
        if (ScoreFollowsPlay(context.rules))
            RecomputeScore(context);
    }
    if (state.turnUpRequest && !context.AutoplayActive())
        TurnUpExposedCards(context);
    if (state.made)
        TurnUpReserveTops(context);
    if (state.made) {
        ClearRedo(context);
        if (context.mainGame.GameStarted < 1)
            context.mainGame.GameStarted = 1;
    }
    auto& moves = context.mainGame.MoveCount;
    if (moves < 2)
        ++moves;
    if (context.rules[rule::FillAfterFirstMove] == 1 && moves == 1) {
        moves = 2;
        ExecuteMove(context, RowDeal::EmptyTableaus);
    }
    const WinTestAfterMove winTest = SpecialTraitsOf(context.rules).winTestAfterMove;
    if (winTest == WinTestAfterMove::EveryMove || (winTest == WinTestAfterMove::MovesToReserves && toReserve))
        StoreWinTest(context);
}

// Carries out one move (move(state)) and the consequences that follow it.
template <typename Move>
bool RunMove(GameContext& context, bool toReserve, Move move)
{
    const bool stockWasNearlyEmpty = StockAndWasteNearlyEmpty(context);
    MoveState state;
    move(state);
    AfterMove(context, toReserve, stockWasNearlyEmpty, state);
    return state.made;
}

} // namespace

bool ExecuteMove(GameContext& context, int card, CardTarget target, bool carryRun)
{
    if (!PassesFirstMoveGate(context, card, target))
        return false;
    return RunMove(context, target.pile.group == PileGroup::Reserves,
                   [&](MoveState& state) { MoveCard(context, card, target, carryRun, state); });
}

bool AwaitsFirstFoundationMove(const GameContext& context)
{
    return context.rules[rule::FirstMoveToFoundation] != 0 && context.mainGame.MoveCount == 0;
}

bool MayOpenTheGame(const GameContext& context, CardLocation location)
{
    return context.rules[rule::FirstMoveToFoundation] == 2 ? IsReserveLocation(location) : location >= 1;
}

bool ExecuteMove(GameContext& context, const TableAction& action)
{
    if (AwaitsFirstFoundationMove(context))
        return false;
    return RunMove(context, false,
                   [&](MoveState& state) { state.made = RunTableAction(context, action, state.turnUpRequest); });
}

} // namespace marlowe
