#include "engine/pointer.h"

#include "app/register_settings.h"
#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/clock_turns.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/legality.h"
#include "engine/lifecycle.h"
#include "engine/memory_games.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/placing_rounds.h"
#include "engine/presentation.h"
#include "engine/selection.h"
#include "engine/stock.h"
#include "engine/table.h"

#include <algorithm>
#include <cstdlib>

namespace marlowe {

namespace {

// A run in sequence that is too long for the room there is: the player reads how many cards
// may move now instead of seeing nothing picked up.
void ExplainRunTooLong(GameContext& context, int card, bool ontoSpace)
{
    const std::optional<int> most = RunLengthRefused(context, card, ontoSpace);
    if (!most)
        return;
    const std::string cards = *most == 1 ? "one card" : std::to_string(*most) + " cards";
    context.presentation().ShowStatusNote("Only " + cards + " can move now" + (ontoSpace ? " to an empty pile" : "") +
                                          ": empty cells and piles limit the length of a run");
}

// A held run refused by an empty tableau pile that takes its first card: the space counts no
// longer as room once the run goes there.
void ExplainRefusedSpace(GameContext& context, const std::vector<DropCandidate>& candidates)
{
    const int card = context.hold.card;
    if (context.hold.count < 2 || context.hold.from.group != PileGroup::Tableaus)
        return;
    for (const DropCandidate& candidate : candidates)
        if (candidate.kind == PileKind::Tableau && context.piles.tableaus[static_cast<std::size_t>(candidate.index)].empty() &&
            CanPlayOnTableau(context, candidate.index, card, 1)) {
            ExplainRunTooLong(context, card, true);
            return;
        }
}

// A pile's card refused by the foundations while a round of placing is under way: the player
// reads how many cards the round still wants.
void ExplainPlacingRound(GameContext& context, const std::vector<DropCandidate>& candidates)
{
    const std::string round = PlacingRoundText(context);
    if (round.empty() || context.hold.from.group != PileGroup::Tableaus)
        return;
    if (std::any_of(candidates.begin(), candidates.end(),
                    [](const DropCandidate& candidate) { return candidate.kind == PileKind::Foundation; }))
        context.presentation().ShowStatusNote(round + " from the waste onto the piles before a pile's card may go home");
}

bool Shadowed(const GameContext& context)
{
    return ShowsCardShadows(context.registers);
}

const SpecialTraits& Traits(const GameContext& context)
{
    return SpecialTraitsOf(context.rules);
}

const std::string& PileText(const GameContext& context, PileRef pile)
{
    return context.piles[pile];
}

int TopOf(const GameContext& context, PileRef pile)
{
    return TopElement(PileText(context, pile));
}

// The cards from card to the top of its pile (0 when the pile does not hold it).
int CardsFrom(const GameContext& context, PileRef pile, int card)
{
    const std::string& text = PileText(context, pile);
    for (int i = 0; i < ElementCount(text); ++i)
        if (ElementAt(text, i) == card)
            return ElementCount(text) - i;
    return 0;
}

// Golf-style games play a tableau top card straight onto the secondary waste when its rank
// is next to the rank on top there.
bool FitsSecondaryWaste(const GameContext& context, int card)
{
    const int top = TopElement(context.piles.stockGroup[kSecondWasteSlot]);
    if (top <= 0)
        return false;
    const int step = std::abs(CardRank(card) - CardRank(top));
    return step == 1 || (step == 12 && Traits(context).golfWraps);
}

int TableauPick(const GameContext& context, int tableau, int card)
{
    const RuleVector& rules = context.rules;
    const PileRef pile{PileGroup::Tableaus, tableau};
    const int count = CardsFrom(context, pile, card);
    if (count == 0 || card <= 0)
        return 0;
    const SpecialTraits& traits = Traits(context);
    if (traits.golf)
        return count == 1 && FitsSecondaryWaste(context, card) ? 1 : 0;
    if (traits.selectsCards || traits.highlightsOnClick || traits.memoryClicks || traits.tableauNeverPicked)
        return 0;
    const int style = rules[rule::TableauStyle];
    if (TableauCellsArePlaces(context))
        return RunRuleAllows(context, card, false) ? 1 : 0;
    if (style == pile_style::Serpentine || style == pile_style::FannedDownKeepingGaps)
        return RunRuleAllows(context, card, false) ? count : 0;
    if (rules[rule::BlockedRows] >= 1 && tableau < rules[rule::BlockedRows] * rules[rule::BlockedColumns])
        return 0;
    if (context.cards.IsFaceDown(card))
        return 0;
    if (count > 1 && !IsRunMovable(context, card, tableau))
        return 0;
    return RunRuleAllows(context, card, false) ? count : 0;
}

int ReservePick(const GameContext& context, int reserve, int card)
{
    const PileRef pile{PileGroup::Reserves, reserve};
    const int count = CardsFrom(context, pile, card);
    const int pickRule = context.rules[rule::ReservePickRule];
    if (count == 0 || pickRule == pick::NeverFromReserve || context.cards.IsFaceDown(card))
        return 0;
    if (pickRule == pick::FannedReserveAny)
        return count;
    if (pickRule == pick::FannedReserveSingles)
        return 1;
    return count == 1 ? 1 : 0;
}

int FoundationPick(const GameContext& context, int foundation, int card)
{
    const PileRef pile{PileGroup::Foundations, foundation};
    if (card <= 0 || TopOf(context, pile) != card)
        return 0;
    switch (context.rules[rule::FoundationTakeBack]) {
    case 1: return 1;
    case 2: return ElementCount(PileText(context, pile)) >= 2 ? 1 : 0;
    case 3: return IsJoker(card) ? 1 : 0;
    default: return 0;
    }
}

void Hold(GameContext& context, PileRef pile, int card, int count)
{
    context.hold = {card, pile, count};
    context.mainGame.DraggedCard = static_cast<std::int16_t>(card);
    if (Shadowed(context))
        PlayEventSound(context, "card_up", SoundSwitch::CardUp);
}

void Release(GameContext& context)
{
    context.hold = {};
    context.mainGame.DraggedCard = 0;
    context.mainGame.DragMoved = 0;
}

// The held cards go back to their pile.
void PutBack(GameContext& context)
{
    if (AnimatesCardMoves(context.registers))
        context.presentation().GlideCard(context.hold.card, context.hold.from, context.hold.from);
    context.presentation().DrawPile(context.hold.from);
    if (Shadowed(context))
        PlayEventSound(context, "card_down", SoundSwitch::CardDown);
}

void EndIfWon(GameContext& context)
{
    if (context.flags[WonMark])
        EndGame(context);
}

// A click on the discard pile of the Baccarat-scored game scores the hand on the table and puts
// it away: a hand of two cards or more, or the pack's last card alone once the stock is out.
PressResult PutHandAway(GameContext& context)
{
    const auto& tableaus = context.piles.tableaus;
    const bool wholeHand = !tableaus[0].empty() && (!tableaus[1].empty() || context.piles.Stock().empty());
    if (!wholeHand || !ExecuteMove(context, SelectionStep::RemoveSetFaceDown))
        return PressResult::Nothing;
    EndIfWon(context);
    return PressResult::Acted;
}

// Turns a face-down tableau top card up, as the automatic face-up does.
void TurnUp(GameContext& context, PileRef pile, int card)
{
    context.cards.SetCardFaceMark(card, '1');
    if (Shadowed(context))
        context.presentation().FlipCard(card, pile);
    PlayEventSound(context, "Face_up", SoundSwitch::FaceUp);
    context.presentation().DrawPile(pile);
}

PressResult PressWaste(GameContext& context, int card)
{
    const RuleVector& rules = context.rules;
    const PileRef waste{PileGroup::StockGroup, kWasteSlot};
    if (context.piles.Waste().empty()) {
        if (rules[rule::RedealStyle] >= redeal::FirstOwn && context.piles.Stock().empty()) {
            ExecuteMove(context, StockTurn::RedealOnly);
            return PressResult::Acted;
        }
        return PressResult::Nothing;
    }
    if (Traits(context).wasteClickClimbs) {
        const int top = TopElement(context.piles.foundations[0]);
        if (CardRank(card) == CardRank(top) + 1)
            ExecuteMove(context, card, PileRef{PileGroup::Foundations, 0});
        return PressResult::Acted;
    }
    if (rules[rule::WasteFaceDown] != 0 || card != TopOf(context, waste))
        return PressResult::Nothing;
    Hold(context, waste, card, 1);
    return PressResult::Picked;
}

PressResult PressTableau(GameContext& context, int tableau, int card)
{
    const PileRef pile{PileGroup::Tableaus, tableau};
    if (card <= 0)
        return PressResult::Nothing;
    if (IsMemoryGame(context.rules)) {
        const bool turned = MemoryClick(context, tableau, card);
        EndIfWon(context);
        return turned ? PressResult::Acted : PressResult::Nothing;
    }
    if (Traits(context).turnsNamedPile) {
        const bool turned = ClockTurn(context, tableau, card);
        EndIfWon(context);
        return turned ? PressResult::Acted : PressResult::Nothing;
    }
    const bool isTop = TopOf(context, pile) == card;
    if (isTop && context.cards.IsFaceDown(card) && !Traits(context).golf) {
        if (!Traits(context).pressTurnsUpTableau || (context.rules[rule::BlockedRows] >= 1 &&
                                       tableau < context.rules[rule::BlockedRows] * context.rules[rule::BlockedColumns]))
            return PressResult::Nothing;
        TurnUp(context, pile, card);
        return PressResult::Acted;
    }
    const int count = TableauPick(context, tableau, card);
    if (count == 0) {
        if (Traits(context).golf)
            context.presentation().Beep();
        else if (!context.cards.IsFaceDown(card) && IsRunMovable(context, card, tableau))
            ExplainRunTooLong(context, card, false);
        return PressResult::Nothing;
    }
    if (count > 1 && context.rules[rule::TableauPickRule] == pick::SinglesWithDraw) {
        TryDraw(context, card);
        return PressResult::Acted;
    }
    if (Traits(context).golf) {
        // The card does not wait for a drag: it goes to the secondary waste at once.
        const PileRef secondWaste{PileGroup::StockGroup, kSecondWasteSlot};
        context.presentation().GlideCard(card, pile, secondWaste);
        ExecuteMove(context, card, secondWaste);
        EndIfWon(context);
        return PressResult::Acted;
    }
    Hold(context, pile, card, count);
    return PressResult::Picked;
}

// Whether a card may be sent with one click from where it lies.
bool EligibleForSend(const GameContext& context, PileRef pile, int card)
{
    if (card <= 0 || context.cards.IsFaceDown(card))
        return false;
    switch (pile.group) {
    case PileGroup::Foundations: return FoundationPick(context, pile.slot, card) > 0;
    case PileGroup::StockGroup: return pile.slot == kWasteSlot && TopOf(context, pile) == card;
    case PileGroup::Tableaus:
        return context.rules[rule::TableauPickRule] != 0 && TableauPick(context, pile.slot, card) > 0;
    case PileGroup::Reserves: return ReservePick(context, pile.slot, card) > 0;
    }
    return false;
}

bool Send(GameContext& context, std::optional<PileRef> pile, int card, bool toFoundations, bool toTableaus)
{
    if (!pile || !EligibleForSend(context, *pile, card))
        return false;
    if (context.rules[rule::SingleClickGame] == 1)
        toFoundations = toTableaus = true;
    AutoMoveRequest request;
    request.foundations = toFoundations;
    request.tableaus = toTableaus;
    const bool moved = AutoMoveCard(context, card, request);
    EndIfWon(context);
    return moved;
}

// The automatic play after a release.
void PlayAfterRelease(GameContext& context)
{
    if (!context.flags[GameInProgress])
        return;
    AutoFillEmptyTableau(context);
    if (context.AutoplayActive()) {
        while (AutoFoundationPass(context))
            AutoFillEmptyTableau(context);
    }
    EndIfWon(context);
}

} // namespace

int PickableCount(const GameContext& context, PileRef pile, int card)
{
    switch (pile.group) {
    case PileGroup::Tableaus: return TableauPick(context, pile.slot, card);
    case PileGroup::Reserves: return ReservePick(context, pile.slot, card);
    case PileGroup::Foundations: return FoundationPick(context, pile.slot, card);
    case PileGroup::StockGroup:
        return pile.slot == kWasteSlot && context.rules[rule::WasteFaceDown] == 0 && card > 0 &&
                       TopOf(context, pile) == card
                   ? 1
                   : 0;
    }
    return 0;
}

bool PressPlaysCard(const GameContext& context, PileRef pile, int card)
{
    return pile.group == PileGroup::Tableaus && Traits(context).golf &&
           context.rules[rule::SingleClickGame] != 1 && TableauPick(context, pile.slot, card) > 0;
}

bool RightPressPeeks(const GameContext& context, bool ctrl)
{
    return ctrl || Traits(context).rightPressPeeks;
}

PressResult PointerDown(GameContext& context, PointerButton button, bool ctrl, std::optional<PileRef> pile, int card)
{
    if (!context.flags[GameInProgress] || context.hold.card != 0)
        return PressResult::Nothing;
    context.mainGame.DragMoved = 0;
    if (context.doubleClickGuard) {
        context.doubleClickGuard = false;
        return PressResult::Nothing;
    }
    if (button == PointerButton::Right) {
        if (RightPressPeeks(context, ctrl))
            return PressResult::Nothing; // the peek is the window's
        return RightClickSend(context, pile, card) ? PressResult::Acted : PressResult::Nothing;
    }
    if (!pile)
        return PressResult::Nothing;
    if (context.rules[rule::SingleClickGame] == 1)
        return Send(context, pile, card, true, true) ? PressResult::Acted : PressResult::Nothing;
    const bool wastePlacedByHand = Traits(context).placesTurnedCards && *pile == PileRef{PileGroup::StockGroup, kWasteSlot};
    if (LeftClickSelects(context.rules) && !wastePlacedByHand) {
        SelectCard(context, *pile, card);
        return PressResult::Acted;
    }

    switch (pile->group) {
    case PileGroup::StockGroup:
        if (pile->slot == kStockSlot) {
            StockClick(context);
            return PressResult::Acted;
        }
        if (pile->slot == kSecondWasteSlot && Traits(context).handsFromTableauBottoms)
            return PutHandAway(context);
        return pile->slot == kWasteSlot ? PressWaste(context, card) : PressResult::Nothing;
    case PileGroup::Tableaus: return PressTableau(context, pile->slot, card);
    case PileGroup::Foundations:
    case PileGroup::Reserves: {
        const int count = PickableCount(context, *pile, card);
        if (count == 0)
            return PressResult::Nothing;
        Hold(context, *pile, card, count);
        return PressResult::Picked;
    }
    }
    return PressResult::Nothing;
}

void PointerMove(GameContext& context)
{
    if (context.hold.card != 0)
        context.mainGame.DragMoved = 1;
}

void PointerLeftStock(GameContext& context)
{
    if (context.mainGame.StockPressed != 1)
        return;
    ReleaseStock(context);
    context.mainGame.StockPressed = 0;
}

void PointerUp(GameContext& context, const std::vector<DropCandidate>& candidates)
{
    if (context.mainGame.StockPressed == 1)
        ReleaseStockButton(context);
    if (context.hold.card != 0) {
        const bool moved = context.mainGame.DragMoved == 1 &&
                           TryDestinations(context, context.hold.card, candidates, Mover::Player);
        if (!moved && context.mainGame.DragMoved == 1) {
            ExplainRefusedSpace(context, candidates);
            ExplainPlacingRound(context, candidates);
        }
        if (!moved)
            PutBack(context);
        Release(context);
    }
    PlayAfterRelease(context);
}

bool DoubleClickSend(GameContext& context, std::optional<PileRef> pile, int card)
{
    if (pile && pile->group == PileGroup::StockGroup && pile->slot == kStockSlot) {
        context.doubleClickGuard = false; // a double click on the stock turns cards twice
        return false;
    }
    const bool toFoundations = context.registers.Get(reg::DoubleClickToFoundations) == "Y";
    const bool toTableaus = context.registers.Get(reg::DoubleClickToTableaus) == "Y";
    if (!toFoundations && !toTableaus)
        return false;
    if (!pile || !EligibleForSend(context, *pile, card))
        return false;
    context.doubleClickGuard = true;
    const bool moved = Send(context, pile, card, toFoundations, toTableaus);
    if (moved)
        PlayAfterRelease(context);
    return moved;
}

bool RightClickSend(GameContext& context, std::optional<PileRef> pile, int card)
{
    const bool toFoundations = context.registers.Get(reg::RightClickToFoundations) == "Y";
    const bool toTableaus = context.registers.Get(reg::RightClickToTableaus) == "Y";
    if (!toFoundations && !toTableaus)
        return false;
    const bool moved = Send(context, pile, card, toFoundations, toTableaus);
    if (moved)
        PlayAfterRelease(context);
    return moved;
}

} // namespace marlowe
