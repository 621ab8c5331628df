// The click of a selection game: the stock's action, selecting and deselecting, the beep of
// an impossible set, and what a complete set sets going.

#include "engine/selection.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/court_slots.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/lifecycle.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/placing_phases.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/scoring.h"
#include "engine/selection_removal.h"
#include "engine/stock.h"

#include <algorithm>

namespace marlowe {

namespace {

const PileRef kStock{PileGroup::StockGroup, kStockSlot};

const char* const kExchangeQuestion =
    "Would you like to exchange the position of these two cards?\rYou may perform this action only once during a game.";

const SpecialTraits& Traits(const GameContext& context)
{
    return SpecialTraitsOf(context.rules);
}

std::string& Selection(GameContext& context)
{
    return context.piles.foundations[0];
}

void Deselect(GameContext& context, PileRef pile, int card)
{
    std::vector<int> cards = SelectedCards(context);
    cards.erase(std::remove(cards.begin(), cards.end(), card), cards.end());
    Selection(context) = PileTextOf(cards);
    context.presentation().HighlightCard(card, pile, false);
}

void ClearSelection(GameContext& context)
{
    for (const int card : SelectedCards(context))
        if (const auto home = HomeOfCard(context, card))
            context.presentation().HighlightCard(card, *home, false);
    Selection(context).clear();
}

// The stock click of each selection game.
void StockAction(GameContext& context)
{
    switch (Traits(context).stockClick) {
    case SelectionStockClick::ClosesUp: ExecuteMove(context, SelectionStep::CloseUpAndRefill); return;
    case SelectionStockClick::TurnsOnEmptyWaste:
        if (context.piles.Waste().empty())
            ExecuteMove(context, StockTurn::ToWaste);
        return;
    case SelectionStockClick::FillsGapsFromRight:
        if (context.piles.Stock().empty())
            FillGapsFromRight(context);
        else
            StockClick(context);
        return;
    case SelectionStockClick::Ordinary: StockClick(context); return;
    case SelectionStockClick::DealsRow: ExecuteMove(context, RowDeal::Tableaus); return;
    case SelectionStockClick::DealsOntoRowEnd: DealOntoRowEnd(context); return;
    case SelectionStockClick::TurnsIntoFreePlace: TurnIntoFreePlace(context); return;
    }
}

// A face-down top card of a tableau turns up on a click.
void TurnUp(GameContext& context, PileRef pile, int card)
{
    context.cards.SetCardFaceMark(card, '1');
    context.presentation().FlipCard(card, pile);
    PlayEventSound(context, "Face_up", SoundSwitch::FaceUp);
    context.presentation().DrawPile(pile);
}

// A pair that is not a set may change places once per game.
bool OfferExchange(GameContext& context)
{
    const std::vector<int> cards = SelectedCards(context);
    if (!Traits(context).offersExchange || cards.size() != 2 || context.mainGame.GameCounter1 != 0)
        return false;
    if (!context.presentation().Ask(kExchangeQuestion))
        return false;
    context.mainGame.GameCounter1 = 1;
    ClearSelection(context);
    SwapTopCards(context, cards[0], cards[1]);
    TagLastSnapshot(context, SnapshotTag::Draw);
    return true;
}

// A card that makes no set with the card chosen before becomes the first choice in its
// place, the earlier choice let go, when the card may be chosen on its own. The selection holds
// the earlier choice followed by the card; false (nothing changed) when the card may not start a
// selection.
bool ReplaceFirstChoice(GameContext& context, PileRef pile, int card)
{
    if (!Traits(context).replacesFirstChoice)
        return false;
    const std::vector<int> earlier = SelectedCards(context);
    Selection(context) = CodeText(card);
    if (!SelectableCard(context, pile, card) || JudgeSelection(context, {card}) == SelectionVerdict::Invalid) {
        Selection(context) = PileTextOf(earlier);
        return false;
    }
    for (const int chosen : earlier)
        if (const auto home = HomeOfCard(context, chosen); home && chosen != card)
            context.presentation().HighlightCard(chosen, *home, false);
    return true;
}

// A complete set leaves the table (or changes places, or stays).
void CompleteSet(GameContext& context)
{
    const SpecialTraits& traits = Traits(context);
    if (traits.swapsSets) {
        const std::vector<int> cards = SelectedCards(context);
        ClearSelection(context);
        SwapTopCards(context, cards[0], cards[1]);
        RecomputeScore(context);
        context.flags.Set(WonMark, IsGameWon(context));
    } else if (traits.keepsSets) {
        ClearSelection(context);
    } else if (traits.stacksPairs) {
        ExecuteMove(context, SelectionStep::StackPair);
    } else if (traits.courtSlots && SendCourtToSlot(context)) {
        // a court alone went to its slot
    } else {
        ExecuteMove(context, SelectionStep::RemoveSet);
    }
    if (traits.closesUpBeforeRefill)
        ExecuteMove(context, SelectionStep::CloseUpAfterSet);
    if (traits.refillsAfterSet)
        ExecuteMove(context, SelectionStep::RefillFromStock);
    if (traits.courtSlots)
        DiscardFullCourtSlots(context);
    if (traits.closesGapsAfterSet)
        CloseGaps(context);
    if (context.flags[WonMark])
        EndGame(context);
}

} // namespace

void SelectCard(GameContext& context, PileRef pile, int card)
{
    const SpecialTraits& traits = Traits(context);
    if (pile == kStock) {
        if (traits.pyramid && !Selection(context).empty() && !context.piles.Stock().empty())
            card = TopElement(context.piles.Stock());
        else
            return StockAction(context);
    } else if (pile == PileRef{PileGroup::StockGroup, kWasteSlot} && context.piles.Waste().empty()) {
        if (context.rules[rule::RedealStyle] >= redeal::FirstOwn && context.piles.Stock().empty())
            ExecuteMove(context, StockTurn::RedealOnly); // the empty waste starts the game's redeal too
        return;
    } else if (traits.turnsUpOnClick && pile.group == PileGroup::Tableaus && card > 0 &&
               TopElement(context.piles[pile]) == card && context.cards.IsFaceDown(card)) {
        return TurnUp(context, pile, card);
    } else if (!SelectableCard(context, pile, card)) {
        if (card > 0)
            context.presentation().Beep();
        return;
    }

    std::vector<int> selected = SelectedCards(context);
    if (std::find(selected.begin(), selected.end(), card) != selected.end())
        return Deselect(context, pile, card);
    if (traits.highlightsOnClick)
        ClearSelection(context); // one highlighted card at a time
    Selection(context) += CodeText(card);
    SelectionVerdict verdict = JudgeSelection(context, SelectedCards(context));
    if (verdict == SelectionVerdict::Invalid && ReplaceFirstChoice(context, pile, card))
        verdict = JudgeSelection(context, SelectedCards(context));
    switch (verdict) {
    case SelectionVerdict::Invalid:
        if (OfferExchange(context))
            return;
        context.presentation().Beep();
        Deselect(context, pile, card);
        return;
    case SelectionVerdict::Partial: context.presentation().HighlightCard(card, pile, true); return;
    case SelectionVerdict::Complete:
        context.presentation().HighlightCard(card, pile, true);
        CompleteSet(context);
        return;
    }
}

} // namespace marlowe
