#include "engine/move_finder.h"

#include "catalogue/rule_values.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"

#include <algorithm>
#include <vector>

namespace marlowe {

namespace {

using enum MoveBand;

// A card that may be picked, with the cards on it.
struct Pick {
    int card = 0;
    PileRef pile{PileGroup::Tableaus, 0};
    int at = 0;    // its element index in the pile
    int count = 1; // cards that move
};

// Cuts a pile below a position for as long as it lives, then puts it back as it was.
class LiftedRun {
public:
    LiftedRun(GameContext& context, PileRef pile, int at) : context_(context), pile_(pile), saved_(context.piles[pile])
    {
        context.piles[pile].resize(static_cast<std::size_t>(at) * 3);
    }
    ~LiftedRun() { context_.piles[pile_] = saved_; }
    LiftedRun(const LiftedRun&) = delete;
    LiftedRun& operator=(const LiftedRun&) = delete;

private:
    GameContext& context_;
    PileRef pile_;
    std::string saved_;
};

bool TableauBlocked(const GameContext& context, int k)
{
    const int rows = context.rules[rule::BlockedRows];
    return rows >= 1 && k < rows * context.rules[rule::BlockedColumns];
}

void AddTopPick(const GameContext& context, PileRef pile, std::vector<Pick>& picks)
{
    const std::string& text = context.piles[pile];
    const int top = TopElement(text);
    if (top > 0 && !context.cards.IsFaceDown(top))
        picks.push_back({top, pile, ElementCount(text) - 1, 1});
}

// Every card that may be picked now: reserve tops, the waste top, and on each tableau pile the
// top card and every face-up run in sequence under it.
std::vector<Pick> MovableCards(const GameContext& context)
{
    std::vector<Pick> picks;
    if (context.rules[rule::ReservePickRule] != pick::NeverFromReserve)
        for (int r = 0; r < std::clamp(context.ReserveCount(), 0, kMaxReserves); ++r)
            AddTopPick(context, {PileGroup::Reserves, r}, picks);
    if (context.rules[rule::WasteFaceDown] == 0)
        AddTopPick(context, {PileGroup::StockGroup, kWasteSlot}, picks);
    const bool cells = TableauCellsArePlaces(context);
    for (int k = 0; k < std::clamp(context.TableauCount(), 0, kMaxTableaus); ++k) {
        if (TableauBlocked(context, k))
            continue;
        const std::string& text = context.piles.tableaus[static_cast<std::size_t>(k)];
        const int count = ElementCount(text);
        for (int at = count - 1; at >= 0; --at) {
            const int card = ElementAt(text, at);
            if (cells) { // every card of a row of cells moves alone
                if (card > 0 && !context.cards.IsFaceDown(card))
                    picks.push_back({card, {PileGroup::Tableaus, k}, at, 1});
                continue;
            }
            if (card <= 0 || context.cards.IsFaceDown(card) || (at < count - 1 && !IsRunMovable(context, card, k)))
                break;
            picks.push_back({card, {PileGroup::Tableaus, k}, at, count - at});
        }
    }
    return picks;
}

int CardBelow(const GameContext& context, const Pick& pick)
{
    return pick.at > 0 ? ElementAt(context.piles[pick.pile], pick.at - 1) : 0;
}

bool FoundationsTake(const GameContext& context, int card)
{
    for (int f = 0; f < std::clamp(context.FoundationCount(), 0, kMaxFoundations); ++f)
        if (CanPlayOnFoundation(context, f, card))
            return true;
    return false;
}

// Lifting the pick shows a face-down card, or a card that can then go to a foundation.
bool UncoversProgress(GameContext& context, const Pick& pick)
{
    const int below = CardBelow(context, pick);
    if (below <= 0)
        return false;
    if (context.cards.IsFaceDown(below))
        return true;
    const LiftedRun lifted(context, pick.pile, pick.at);
    return FoundationsTake(context, below);
}

// The pick already lies in sequence on the card under it, and that card could be picked with
// it: moving the pick elsewhere only shifts it. Where cards move alone (or the longer run is
// past the pick rule), the move frees the card under it and is a move like any other.
bool RestsInSequence(GameContext& context, const Pick& pick)
{
    const int below = CardBelow(context, pick);
    if (below <= 0 || context.cards.IsFaceDown(below))
        return false;
    {
        const LiftedRun lifted(context, pick.pile, pick.at);
        if (!CanPlayOnTableau(context, pick.pile.slot, pick.card, pick.count))
            return false;
    }
    return IsRunMovable(context, below, pick.pile.slot) && RunRuleAllows(context, below, false);
}

// A move into a cell: progress when the card joins its row's settled run, none when it leaves one.
MoveBand CellBand(const GameContext& context, const Pick& pick, const DropCandidate& destination)
{
    const int first = RowStartRank(context.rules);
    if (pick.pile.group == PileGroup::Tableaus && pick.at < SettledRowLength(context.piles[pick.pile], first))
        return Pointless;
    const std::string& row = context.piles.tableaus[static_cast<std::size_t>(destination.index)];
    return destination.cell == SettledRowLength(row, first) ? ToFoundation : TableauShift;
}

MoveBand BandOf(GameContext& context, const Pick& pick, const DropCandidate& destination)
{
    if (destination.kind == PileKind::Tableau && destination.cell >= 0)
        return CellBand(context, pick, destination);
    if (destination.kind == PileKind::Foundation)
        return ToFoundation;
    const bool toTableau = destination.kind == PileKind::Tableau;
    if (pick.pile.group != PileGroup::Tableaus) {
        if (toTableau)
            return BringsIntoPlay;
        return pick.pile.group == PileGroup::Reserves && destination.kind == PileKind::Reserve ? Pointless
                                                                                                : ToSideline;
    }
    const bool toEmptyPile = toTableau && context.piles.tableaus[static_cast<std::size_t>(destination.index)].empty();
    if (pick.at == 0 && toEmptyPile)
        return Pointless;
    if (UncoversProgress(context, pick))
        return Uncovers;
    if (!toTableau)
        return ToSideline;
    if (pick.at == 0)
        return EmptiesPile;
    return RestsInSequence(context, pick) ? Pointless : TableauShift;
}

} // namespace

MoveBand BandOfMove(GameContext& context, PileRef pile, int card, const DropCandidate& destination)
{
    const std::string& text = context.piles[pile];
    int at = ElementCount(text) - 1;
    while (at > 0 && ElementAt(text, at) != card)
        --at;
    return BandOf(context, Pick{card, pile, at, ElementCount(text) - at}, destination);
}

std::optional<FoundMove> FindLegalMove(GameContext& context)
{
    // While the game waits for its first move, only the opening card to a foundation counts.
    const bool firstMoveGate = AwaitsFirstFoundationMove(context);
    AutoMoveRequest every;
    every.tableaus = every.reserves = every.waste = !firstMoveGate;

    const auto destinations = AutoMoveDestinations(context, every);
    std::optional<FoundMove> best;
    MoveBand bestBand = Pointless;
    for (const Pick& pick : MovableCards(context)) {
        if (firstMoveGate && !MayOpenTheGame(context, LocateCard(context, pick.card)))
            continue;
        for (const auto& destination : destinations) {
            const bool toTableau = destination.kind == PileKind::Tableau;
            if (pick.count > 1 && !toTableau)
                continue;
            if (!AcceptsDrop(context, pick.card, destination))
                continue;
            const bool toEmptyPile = toTableau && context.piles.tableaus[static_cast<std::size_t>(destination.index)].empty();
            if (pick.count > 1 && !RunRuleAllows(context, pick.card, toEmptyPile))
                continue;
            const MoveBand band = BandOf(context, pick, destination);
            if (band >= bestBand)
                continue;
            bestBand = band;
            best = FoundMove{pick.card, destination, pick.count, band};
            if (band == ToFoundation)
                return best;
        }
    }
    return best;
}

std::vector<FoundMove> CellMoves(GameContext& context)
{
    std::vector<FoundMove> moves;
    if (!TableauCellsArePlaces(context))
        return moves;
    AutoMoveRequest cells;
    cells.foundations = false;
    cells.tableaus = true;
    std::vector<DropCandidate> gaps = AutoMoveDestinations(context, cells);
    std::erase_if(gaps, [](const DropCandidate& destination) { return destination.cell < 0; });
    for (const Pick& pick : MovableCards(context))
        for (const auto& destination : gaps)
            if (AcceptsDrop(context, pick.card, destination))
                moves.push_back({pick.card, destination, 1, BandOf(context, pick, destination)});
    return moves;
}

} // namespace marlowe
