// The click of a selection game: the stock's action, selecting and deselecting, the beep of
// an impossible set, and what a complete set sets going.

#include "engine/selection.h"

#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/lifecycle.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
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

int Special(const GameContext& context)
{
    return context.rules[rule::SpecialGame];
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
    const int special = Special(context);
    const bool stockEmpty = context.piles.Stock().empty();
    switch (special) {
    case 8:
    case 45: ExecuteMove(context, SelectionStep::CloseUpAndRefill); return;
    case 14:
    case 16:
        if (context.piles.Waste().empty())
            ExecuteMove(context, StockTurn::ToWaste);
        return;
    case 71:
        if (stockEmpty)
            FillGapsFromRight(context);
        else
            StockClick(context);
        return;
    case 3:
    case 4:
    case 67:
    case 25:
    case 26:
    case 33:
    case 57:
    case 75: StockClick(context); return; // no stock action of their own: the ordinary click
    default: ExecuteMove(context, RowDeal::Tableaus); return;
    }
}

// A face-down top card of a tableau turns up on a click (codes 25 and 26).
void TurnUp(GameContext& context, PileRef pile, int card)
{
    context.cards.SetCardFaceMark(card, '1');
    context.presentation().FlipCard(card, pile);
    PlayEventSound(context, "Face_up", SoundSwitch::FaceUp);
    context.presentation().DrawPile(pile);
}

// Code 71: a pair that is not a set may change places once per game.
bool OfferExchange(GameContext& context)
{
    const std::vector<int> cards = SelectedCards(context);
    if (Special(context) != 71 || cards.size() != 2 || context.mainGame.GameCounter1 != 0)
        return false;
    if (!context.presentation().Ask(kExchangeQuestion))
        return false;
    context.mainGame.GameCounter1 = 1;
    ClearSelection(context);
    SwapTopCards(context, cards[0], cards[1]);
    TagLastSnapshot(context, SnapshotTag::Draw);
    return true;
}

// Code 67: a card that makes no set with the card chosen before becomes the first choice in its
// place, the earlier choice let go, when the card may be chosen on its own. The selection holds
// the earlier choice followed by the card; false (nothing changed) when the card may not start a
// selection.
bool ReplaceFirstChoice(GameContext& context, PileRef pile, int card)
{
    if (Special(context) != 67)
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

// A complete set leaves the table (or, for code 57, changes places).
void CompleteSet(GameContext& context)
{
    const int special = Special(context);
    if (special == 57) {
        const std::vector<int> cards = SelectedCards(context);
        ClearSelection(context);
        SwapTopCards(context, cards[0], cards[1]);
        RecomputeScore(context);
        context.flags.Set(WonMark, IsGameWon(context));
    } else if (special == 48) {
        ClearSelection(context); // this game keeps its sets on the table
    } else {
        ExecuteMove(context, SelectionStep::RemoveSet);
    }
    if (special != 8 && special != 47 && special != 57)
        ExecuteMove(context, SelectionStep::RefillFromStock);
    if (special == 75)
        CloseGaps(context);
    if (context.flags[WonMark])
        EndGame(context);
}

} // namespace

void SelectCard(GameContext& context, PileRef pile, int card)
{
    const int special = Special(context);
    if (pile == kStock) {
        const bool pyramid = special == 4 || special == 67;
        if (pyramid && !Selection(context).empty() && !context.piles.Stock().empty())
            card = TopElement(context.piles.Stock());
        else
            return StockAction(context);
    } else if (pile == PileRef{PileGroup::StockGroup, kWasteSlot} && context.piles.Waste().empty()) {
        if (context.rules[rule::RedealStyle] >= 1 && context.piles.Stock().empty())
            ExecuteMove(context, StockTurn::RedealOnly); // the empty waste starts the game's redeal too
        return;
    } else if ((special == 25 || special == 26) && pile.group == PileGroup::Tableaus && card > 0 &&
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
    if (special == 33)
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
