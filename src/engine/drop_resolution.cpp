#include "engine/drop_resolution.h"

#include "app/register_settings.h"
#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/cell_swaps.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/table.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace marlowe {

namespace {

constexpr int kTriedCandidates = 4;

// Tableau 0 building in suit either way on started piles closes the whole tableau while the
// stock holds cards.
bool TableauClosedUntilStockEmpty(const GameContext& context)
{
    return context.rules.Of(rule::TableauBuildCode, 0) == building::InSuitEitherWayOnStartedPile && !context.piles.Stock().empty();
}

int PilesOfKind(const GameContext& context, PileKind kind)
{
    switch (kind) {
    case PileKind::Foundation: return std::clamp(context.FoundationCount(), 0, kMaxFoundations);
    case PileKind::Tableau: return std::clamp(context.TableauCount(), 0, kMaxTableaus);
    case PileKind::Reserve: return std::clamp(context.ReserveCount(), 0, kMaxReserves);
    case PileKind::Waste: return 1;
    default: return 0;
    }
}

// The waste as a destination (RuleVector[360] = 2): a card of its top card's suit, one rank
// above or below it, King and Ace adjacent.
bool WasteAccepts(const GameContext& context, int card)
{
    if (context.rules[rule::WasteNotTarget] == 4 || context.rules[rule::WasteBuild] != 2)
        return false;
    const int top = TopElement(context.piles.Waste());
    if (top <= 0 || top == card || CardSuit(top) < 0 || CardSuit(card) != CardSuit(top))
        return false;
    const int step = std::abs(CardRank(card) - CardRank(top));
    return step == 1 || step == 12;
}

// All foundations empty, each with base 92 or 93: autoplay leaves the foundations alone.
bool FoundationsAwaitTheirStart(const GameContext& context)
{
    for (int f = 0; f < PilesOfKind(context, PileKind::Foundation); ++f) {
        const int base = context.rules.Of(rule::FoundationBaseRank, f);
        if (!context.piles.foundations[static_cast<std::size_t>(f)].empty() || (base != 92 && base != 93))
            return false;
    }
    return true;
}

void AddFoundations(const GameContext& context, const AutoMoveRequest& request, std::vector<DropCandidate>& order)
{
    const int which = context.rules[rule::AutoFoundationTargets];
    if (which != 0 && which != 1)
        return;
    if (request.mover == Mover::Autoplay && FoundationsAwaitTheirStart(context))
        return;
    for (int f = 0; f < PilesOfKind(context, PileKind::Foundation); ++f) {
        const bool holdsCards = !context.piles.foundations[static_cast<std::size_t>(f)].empty();
        if (request.unplacedFoundations.test(static_cast<std::size_t>(f)) || (which == 1 && !holdsCards))
            continue;
        order.push_back({PileKind::Foundation, f, 0});
    }
}

// The gap cells of every row whose cells are places; every cell of a row whose cards swap.
void AddGapCells(const GameContext& context, std::vector<DropCandidate>& order)
{
    for (int k = 0; k < PilesOfKind(context, PileKind::Tableau); ++k) {
        const std::string& row = context.piles.tableaus[static_cast<std::size_t>(k)];
        for (int cell = 0; cell < ElementCount(row); ++cell)
            if (ElementAt(row, cell) == 0 || SwapsInLine(context.rules, k))
                order.push_back({PileKind::Tableau, k, 0, cell});
    }
}

void AddTableaus(const GameContext& context, std::vector<DropCandidate>& order)
{
    if (TableauCellsArePlaces(context))
        AddGapCells(context, order);
    for (const bool wantEmpty : {false, true}) {
        for (int k = 0; k < PilesOfKind(context, PileKind::Tableau); ++k)
            if (context.piles.tableaus[static_cast<std::size_t>(k)].empty() == wantEmpty)
                order.push_back({PileKind::Tableau, k, 0});
    }
}

// The cards from the card to the top of the tableau pile or reserve that holds it.
int CarriedFrom(const GameContext& context, int card, std::optional<PileRef> pile)
{
    if (!pile || (pile->group != PileGroup::Tableaus && pile->group != PileGroup::Reserves) ||
        (pile->group == PileGroup::Tableaus && TableauCellsArePlaces(context)) ||
        (pile->group == PileGroup::Reserves && ReserveCardsMoveAlone(context)))
        return 1;
    const std::string& text = context.piles[*pile];
    const int count = ElementCount(text);
    for (int at = 0; at < count; ++at)
        if (ElementAt(text, at) == card)
            return count - at;
    return 1;
}

// The card a search moves: where it lies and how many cards go with it.
struct MovingCard {
    int card = 0;
    std::optional<PileRef> pile;
    int carried = 1;
};

MovingCard MovingCardOf(const GameContext& context, int card)
{
    const auto pile = PileHolding(context, card);
    return {card, pile, CarriedFrom(context, card, pile)};
}

bool Accepts(const GameContext& context, const MovingCard& moving, const DropCandidate& destination)
{
    const int index = destination.index;
    // A card dropped back on its own pile stays where it is; in a row of cells it may move to
    // another cell of its row.
    const bool ownPile = moving.pile == DestinationPile(destination) && destination.cell < 0;
    if (moving.card <= 0 || index < 0 || index >= PilesOfKind(context, destination.kind) || ownPile)
        return false;
    switch (destination.kind) {
    case PileKind::Foundation: return CanPlayOnFoundation(context, index, moving.card, moving.carried);
    case PileKind::Tableau:
        if (destination.cell >= 0)
            return TableauCellsArePlaces(context) && CanPlayInTableauCell(context, index, destination.cell, moving.card);
        return CanPlayOnTableau(context, index, moving.card, moving.carried);
    case PileKind::Reserve: return CanPlayOnReserve(context, index, moving.card, moving.carried);
    case PileKind::Waste: return moving.carried == 1 && WasteAccepts(context, moving.card);
    default: return false;
    }
}

// Carries out the move to an accepting destination.
bool MoveTo(GameContext& context, int card, const DropCandidate& destination, Mover mover)
{
    if (!ExecuteMove(context, card, {DestinationCell(destination), mover}))
        return false;
    if (mover == Mover::Autoplay || SpecialTraitsOf(context.rules).dropsAsAutoplay)
        TagLastSnapshot(context, SnapshotTag::Autoplay);
    return true;
}

} // namespace

PileRef DestinationPile(const DropCandidate& destination)
{
    switch (destination.kind) {
    case PileKind::Foundation: return {PileGroup::Foundations, destination.index};
    case PileKind::Tableau: return {PileGroup::Tableaus, destination.index};
    case PileKind::Reserve: return {PileGroup::Reserves, destination.index};
    default: return {PileGroup::StockGroup, kWasteSlot};
    }
}

PileCell DestinationCell(const DropCandidate& destination)
{
    return {DestinationPile(destination), destination.cell};
}

int CarriedCount(const GameContext& context, int card)
{
    return CarriedFrom(context, card, PileHolding(context, card));
}

bool AcceptsDrop(const GameContext& context, int card, const DropCandidate& destination)
{
    return Accepts(context, MovingCardOf(context, card), destination);
}

bool TryDestinations(GameContext& context, int card, std::vector<DropCandidate> candidates, Mover mover)
{
    std::sort(candidates.begin(), candidates.end(), [](const DropCandidate& a, const DropCandidate& b) {
        return std::tuple(a.overlap, static_cast<int>(a.kind), a.index, a.cell) >
               std::tuple(b.overlap, static_cast<int>(b.kind), b.index, b.cell);
    });
    if (candidates.size() > kTriedCandidates)
        candidates.resize(kTriedCandidates);
    const bool tableauClosed = TableauClosedUntilStockEmpty(context);
    const auto removed = tableauClosed ? std::erase_if(candidates, [](const DropCandidate& candidate) {
        return candidate.kind == PileKind::Tableau;
    }) : 0;
    const MovingCard moving = MovingCardOf(context, card);
    for (const auto& candidate : candidates)
        if (Accepts(context, moving, candidate))
            return MoveTo(context, card, candidate, mover);
    // Only a drop that the closed tableau turned away earns the explanation.
    if (removed > 0)
        context.presentation().ShowInfo(kTableauClosedMessage);
    return false;
}

std::vector<DropCandidate> AutoMoveDestinations(const GameContext& context, const AutoMoveRequest& request)
{
    std::vector<DropCandidate> order;
    if (request.foundations)
        AddFoundations(context, request, order);
    if (request.tableaus && !TableauClosedUntilStockEmpty(context))
        AddTableaus(context, order);
    if (request.reserves)
        for (int r = 0; r < PilesOfKind(context, PileKind::Reserve); ++r)
            order.push_back({PileKind::Reserve, r, 0});
    if (request.waste && context.rules[rule::WasteNotTarget] != 4)
        order.push_back({PileKind::Waste, 0, 0});
    return order;
}

std::optional<DropCandidate> FindAutoMove(const GameContext& context, int card, const AutoMoveRequest& request)
{
    const MovingCard moving = MovingCardOf(context, card);
    for (const auto& destination : AutoMoveDestinations(context, request))
        if (Accepts(context, moving, destination))
            return destination;
    return std::nullopt;
}

bool AutoMoveCard(GameContext& context, int card, const AutoMoveRequest& request)
{
    const auto destination = FindAutoMove(context, card, request);
    if (!destination) {
        if (request.tableaus && request.mover == Mover::Player && TableauClosedUntilStockEmpty(context))
            context.presentation().ShowInfo(kTableauClosedMessage);
        return false;
    }
    const auto from = PileHolding(context, card);
    if (from && AnimatesCardMoves(context.registers))
        context.presentation().GlideCard(card, *from, DestinationPile(*destination));
    return MoveTo(context, card, *destination, request.mover);
}

} // namespace marlowe
