#include "engine/selection_removal.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/autoplay.h"
#include "engine/event_sounds.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/placing_phases.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/selection.h"
#include "engine/table.h"

#include <algorithm>

namespace marlowe {

namespace {

const PileRef kStock{PileGroup::StockGroup, kStockSlot};
const PileRef kSecondWaste{PileGroup::StockGroup, kSecondWasteSlot};
const PileRef kSelection{PileGroup::Foundations, 0};
constexpr int kGroupSize = 7;

std::string& TableauText(GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)];
}

bool TableauEmpty(const GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)].empty();
}

// The whole of one tableau moves into an empty one.
void MovePileInto(GameContext& context, int from, int to)
{
    TableauText(context, to) = TableauText(context, from);
    TableauText(context, from).clear();
    for (const int card : PileCodes(TableauText(context, to)))
        if (card > 0)
            context.presentation().GlideCard(card, {PileGroup::Tableaus, from}, {PileGroup::Tableaus, to});
    context.presentation().DrawPile({PileGroup::Tableaus, from});
    context.presentation().DrawPile({PileGroup::Tableaus, to});
}

// Within tableaus [first, last), each empty tableau takes the next non-empty one after it.
// False when nothing moved.
bool CloseUp(GameContext& context, int first, int last)
{
    bool moved = false;
    for (int k = first; k < last; ++k) {
        if (!TableauEmpty(context, k))
            continue;
        int next = k + 1;
        while (next < last && TableauEmpty(context, next))
            ++next;
        if (next == last)
            break;
        MovePileInto(context, next, k);
        moved = true;
    }
    if (moved)
        PlayEventSound(context, "Shuffle", SoundSwitch::Tableau);
    return moved;
}

void ClearSelection(GameContext& context)
{
    for (const int card : SelectedCards(context))
        if (const auto home = HomeOfCard(context, card))
            context.presentation().HighlightCard(card, *home, false);
    context.piles.foundations[0].clear();
}

// Each empty tableau in order receives the stock's top card, face up, while the stock lasts.
bool RefillFromStock(GameContext& context)
{
    bool dealt = false;
    for (int k = 0; k < context.TableauPileCount() && !context.piles.Stock().empty(); ++k) {
        if (!TableauEmpty(context, k))
            continue;
        std::string& stock = context.piles.Stock();
        const int card = TopElement(stock);
        stock.erase(stock.size() - 3);
        const PileRef tableau{PileGroup::Tableaus, k};
        AddCardToPile(context, tableau, card, '1');
        context.presentation().GlideCard(card, kStock, tableau);
        context.presentation().DrawPile(tableau);
        PlayEventSound(context, "Shuffle", SoundSwitch::Shuffle);
        dealt = true;
    }
    if (dealt)
        context.presentation().DrawPile(kStock);
    return dealt;
}

// Takes the card out of its pile the way the game's layout removes cards.
void TakeOut(GameContext& context, PileRef home, int card)
{
    const int style = context.rules[rule::TableauStyle];
    const bool stockOrWaste = home.group == PileGroup::StockGroup;
    // The reserves beside a pyramid are ordinary piles: only its rows keep their cells.
    const bool besidePyramid = home.group == PileGroup::Reserves && SpecialTraitsOf(context.rules).pyramid;
    RemoveMode mode = RemoveMode::Delete;
    if (style == pile_style::Serpentine && home == PileRef{PileGroup::Tableaus, 0})
        mode = RemoveMode::DeleteWithGap; // the pyramid keeps its cells with gaps between cards
    else if (style == pile_style::Row && !stockOrWaste && !besidePyramid)
        mode = RemoveMode::LeaveGap;
    RemoveCardFromSlot(context, home, card, mode);
}

// A face-down card of the pyramid turns up as soon as the last card covering it has gone.
void TurnUpFreedPyramidCards(GameContext& context)
{
    for (int k = 0; k < context.TableauPileCount(); ++k)
        for (const int card : PileCodes(TableauText(context, k)))
            if (card > 0 && context.cards.IsFaceDown(card) && PyramidCardFree(context, card)) {
                context.cards.SetCardFaceMark(card, '1');
                context.presentation().FlipCard(card, {PileGroup::Tableaus, k});
                context.presentation().DrawPile({PileGroup::Tableaus, k});
            }
}

// The selection leaves the table for the secondary waste.
bool RemoveSelection(GameContext& context, bool faceDown, bool& turnUpRequest)
{
    const SpecialTraits& traits = SpecialTraitsOf(context.rules);
    std::vector<int> selected = SelectedCards(context);
    if (traits.handsFromTableauBottoms) {
        selected.clear();
        for (int k = 0; k < 3 && k < context.TableauPileCount(); ++k)
            if (const int bottom = ElementAt(TableauText(context, k), 0); bottom > 0)
                selected.push_back(bottom);
    }
    if (selected.empty())
        return false;
    RecordSnapshot(context);
    if (traits.placesTurnedCards)
        KeepRemovalsOpen(context);
    PlayEventSound(context, "Pairing", SoundSwitch::Pairing);
    ClearSelection(context);
    context.presentation().DrawPile(kSelection);
    int groupTableau = -1;
    for (const int card : selected) {
        const auto home = HomeOfCard(context, card);
        if (!home)
            continue;
        if (home->group == PileGroup::Tableaus && groupTableau < 0)
            groupTableau = home->slot;
        TakeOut(context, *home, card);
        AddCardToPile(context, kSecondWaste, card, faceDown ? '0' : '1');
        context.presentation().GlideCard(card, *home, kSecondWaste);
        context.presentation().DrawPile(*home);
    }
    context.presentation().DrawPile(kSecondWaste);
    if (context.rules[rule::TableauStyle] == pile_style::Row)
        TurnUpFreedPyramidCards(context);
    if (traits.closesGroupAfterRemoval && groupTableau >= 0)
        CloseGroup(context, groupTableau);
    turnUpRequest = traits.turnsUpOnClick;
    if (traits.fillsAfterRemoval)
        AutoFillEmptyTableau(context);
    context.flags.Set(WonMark, IsGameWon(context));
    context.mainGame.GameStarted = 1;
    return true;
}

// Of the selected pair, the pile lying further right goes whole onto the other one.
bool StackPair(GameContext& context)
{
    const std::vector<int> selected = SelectedCards(context);
    if (selected.size() != 2)
        return false;
    const auto first = HomeOfCard(context, selected[0]);
    const auto second = HomeOfCard(context, selected[1]);
    if (!first || !second || first->group != PileGroup::Tableaus || second->group != PileGroup::Tableaus)
        return false;
    const PileRef from{PileGroup::Tableaus, std::max(first->slot, second->slot)};
    const PileRef onto{PileGroup::Tableaus, std::min(first->slot, second->slot)};
    RecordSnapshot(context);
    PlayEventSound(context, "Pairing", SoundSwitch::Pairing);
    ClearSelection(context);
    context.presentation().DrawPile(kSelection);
    for (const int card : PileCodes(context.piles[from]))
        context.presentation().GlideCard(card, from, onto);
    context.piles[onto] += context.piles[from];
    context.piles[from].clear();
    context.presentation().DrawPile(from);
    context.presentation().DrawPile(onto);
    context.flags.Set(WonMark, IsGameWon(context));
    context.mainGame.GameStarted = 1;
    return true;
}

// The columns of the grid: each empty cell takes the nearest card below it in its column, so
// the cards move up their columns in order. False when nothing moved.
bool CloseUpColumns(GameContext& context)
{
    const int columns = std::max<int>(context.rules[rule::GridColumns], 1);
    bool moved = false;
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        if (!TableauEmpty(context, k))
            continue;
        int below = k + columns;
        while (below < context.TableauPileCount() && TableauEmpty(context, below))
            below += columns;
        if (below >= context.TableauPileCount())
            continue;
        MovePileInto(context, below, k);
        moved = true;
    }
    if (moved)
        PlayEventSound(context, "Shuffle", SoundSwitch::Tableau);
    return moved;
}

// Whether a gap lies before a card: in reading order, or above it in its grid column where
// the game closes up by columns.
bool GapBeforeCards(const GameContext& context)
{
    const int step = SpecialTraitsOf(context.rules).closesUpByColumns ? std::max<int>(context.rules[rule::GridColumns], 1) : 1;
    for (int k = 0; k + step < context.TableauPileCount(); ++k)
        if (TableauEmpty(context, k))
            for (int later = k + step; later < context.TableauPileCount(); later += step)
                if (!TableauEmpty(context, later))
                    return true;
    return false;
}

// The tableaus close up (to the left, or up their columns) and the empty ones are refilled from
// the stock.
bool CloseUpAndRefill(GameContext& context)
{
    bool anyEmpty = false;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        anyEmpty = anyEmpty || TableauEmpty(context, k);
    if (!anyEmpty || (context.piles.Stock().empty() && !GapBeforeCards(context)))
        return false;
    RecordSnapshot(context);
    ClearSelection(context);
    if (SpecialTraitsOf(context.rules).closesUpByColumns)
        CloseUpColumns(context);
    else
        CloseUp(context, 0, context.TableauPileCount());
    RefillFromStock(context);
    context.flags.Set(WonMark, IsGameWon(context));
    return true;
}

std::size_t ElementIndex(const std::string& pile, int card)
{
    const std::vector<int> codes = PileCodes(pile);
    return static_cast<std::size_t>(std::find(codes.begin(), codes.end(), card) - codes.begin());
}

int GroupStart(int tableau)
{
    return tableau / kGroupSize * kGroupSize;
}

} // namespace

bool ExecuteSelectionStep(GameContext& context, SelectionStep step, bool& turnUpRequest)
{
    switch (step) {
    case SelectionStep::RemoveSet: return RemoveSelection(context, false, turnUpRequest);
    case SelectionStep::RemoveSetFaceDown: return RemoveSelection(context, true, turnUpRequest);
    case SelectionStep::RefillFromStock:
        RefillFromStock(context);
        // The refill may take the stock's last cards, which wins a game that waits for them (Cover).
        context.flags.Set(WonMark, IsGameWon(context));
        return false; // part of the removal's step
    case SelectionStep::CloseUpAndRefill: return CloseUpAndRefill(context);
    case SelectionStep::StackPair: return StackPair(context);
    case SelectionStep::CloseUpAfterSet:
        CloseUp(context, 0, context.TableauPileCount());
        if (SpecialTraitsOf(context.rules).stockClick != SelectionStockClick::DealsOntoRowEnd)
            RefillFromStock(context); // a row dealt card by card keeps its end for the stock's next click
        context.flags.Set(WonMark, IsGameWon(context));
        return false; // part of the removal's step
    }
    return false;
}

bool DealOntoRowEnd(GameContext& context)
{
    if (context.piles.Stock().empty())
        return false;
    for (int k = 0; k < context.TableauPileCount(); ++k)
        if (TableauEmpty(context, k))
            return ExecuteMove(context, DealOnto{{PileGroup::Tableaus, k}});
    context.presentation().ShowInfo("The row is full: close it up before you deal again.");
    return false;
}

void CloseGaps(GameContext& context)
{
    CloseUp(context, 0, context.TableauPileCount());
}

bool FillGapsFromRight(GameContext& context)
{
    bool moved = false;
    for (int k = 0; k < context.TableauPileCount(); ++k) {
        if (!TableauEmpty(context, k))
            continue;
        int last = context.TableauPileCount() - 1;
        while (last > k && TableauEmpty(context, last))
            --last;
        if (last <= k)
            break;
        if (!moved)
            RecordSnapshot(context);
        MovePileInto(context, last, k);
        moved = true;
    }
    if (!moved)
        context.presentation().ShowInfo("No tableau space to fill.");
    return moved;
}

void CloseGroup(GameContext& context, int tableau)
{
    const int first = GroupStart(tableau);
    CloseUp(context, first, std::min(first + kGroupSize, context.TableauPileCount()));
}

bool GroupHasOnePile(const GameContext& context, int tableau)
{
    const int first = GroupStart(tableau);
    int holding = 0;
    for (int k = first; k < first + kGroupSize && k < context.TableauPileCount(); ++k)
        holding += TableauEmpty(context, k) ? 0 : 1;
    return holding == 1;
}

void SwapTopCards(GameContext& context, int first, int second)
{
    const auto homeA = HomeOfCard(context, first);
    const auto homeB = HomeOfCard(context, second);
    if (!homeA || !homeB || first == second)
        return;
    RecordSnapshot(context);
    std::string& a = context.piles[*homeA];
    std::string& b = context.piles[*homeB];
    const std::size_t atA = ElementIndex(a, first) * 3;
    const std::size_t atB = ElementIndex(b, second) * 3;
    a.replace(atA, 3, CodeText(second));
    b.replace(atB, 3, CodeText(first));
    context.presentation().GlideCard(first, *homeA, *homeB);
    context.presentation().GlideCard(second, *homeB, *homeA);
    context.presentation().DrawPile(*homeA);
    context.presentation().DrawPile(*homeB);
    PlayEventSound(context, "card_up", SoundSwitch::CardUp);
}

} // namespace marlowe
