// The fill rules of empty tableau piles (RuleVector[25]): which empty pile is filled, from which
// pile, and with how many cards.

#include "engine/autoplay.h"

#include "app/register_settings.h"
#include "engine/cards.h"
#include "engine/grid_rows.h"
#include "engine/legality.h"
#include "engine/move_execution.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <algorithm>
#include <array>

namespace marlowe {

namespace {

// Fill rule 86: every gap of the dealt rows of a grid of cells takes the stock's top card at
// once (British Blockade).
constexpr int kGridGapsFromStock = 86;

// Where the cards of a fill come from.
enum class Source {
    ReserveZero,
    Waste,
    Stock,
    WasteElseStock, // the waste's top card, the stock's when the waste is empty
    StockElseWaste,
    Partner,        // fill rule 14: a tableau pile of the middle band
    FullestReserveElseWaste, // fill rule 22: the reserve holding most cards (the first of equals), else the waste
    OwnReserve,     // fill rule 84: the reserve in the pile's column (pile k, reserve k modulo the reserves)
};

struct FillRule {
    Source source = Source::WasteElseStock;
    int cards = 1;            // at most this many cards per pile
    bool sourceKept = false;  // every card comes from the pile that gave the first
    bool acesHome = false;    // an Ace met goes to a foundation, the next card taking its place
};

// Rules 2, 4, 8, 10, 11, 15, 19, 20 and 21 differ only in which piles they fill: one card each,
// from the waste, else the stock (rule 15 fills this way once its condition holds).
FillRule FillRuleOf(int fill)
{
    switch (fill) {
    case 1: return {Source::ReserveZero};
    case 3: return {Source::StockElseWaste};
    case 5: return {Source::Waste, 3};
    case 6: return {Source::Waste};
    case 7: return {Source::Stock};
    case 9: return {Source::Stock, 4};
    case 12: return {Source::WasteElseStock, 4};
    case 14: return {Source::Partner};
    case 18: return {Source::WasteElseStock, 4, true};
    case 22: return {Source::FullestReserveElseWaste};
    case 43: return {Source::Stock};
    case 84: return {Source::OwnReserve};
    case 85: return {Source::Stock, 3, false, true};
    default: return {};
    }
}

bool HoldsCard(const std::string& pile)
{
    for (int i = 0; i < ElementCount(pile); ++i)
        if (ElementAt(pile, i) > 0)
            return true;
    return false;
}

const std::string& TableauAt(const GameContext& context, int k)
{
    return context.piles.tableaus[static_cast<std::size_t>(k)];
}

// Fill rules 2, 4, 8 and 10 leave the blocked piles (below RuleVector[27] x RuleVector[28]) empty.
bool OutsideBlockedPiles(const GameContext& context, int pile)
{
    const int rows = context.rules[rule::BlockedRows];
    return rows < 1 || pile >= rows * context.rules[rule::BlockedColumns];
}

bool EveryReserveEmpty(const GameContext& context)
{
    const int reserves = std::clamp(context.ReserveCount(), 0, kMaxReserves);
    return std::all_of(context.piles.reserves.begin(), context.piles.reserves.begin() + reserves,
                       [](const std::string& pile) { return pile.empty(); });
}

// Fill rule 15: foundation 0 holds cards, and the tops of tableau piles 0..3 show its suit at
// least twice and exactly as often as it holds cards.
bool SuitCountMatchesFoundationZero(const GameContext& context)
{
    const std::string& foundation = context.piles.foundations[0];
    if (!HoldsCard(foundation))
        return false;
    const int suit = CardSuit(ElementAt(foundation, 0));
    int showing = 0;
    for (int k = 0; k < std::min(4, std::clamp(context.TableauCount(), 0, kMaxTableaus)); ++k) {
        const int top = TopElement(TableauAt(context, k));
        showing += top > 0 && CardSuit(top) == suit ? 1 : 0;
    }
    int held = 0;
    for (int i = 0; i < ElementCount(foundation); ++i)
        held += ElementAt(foundation, i) > 0 ? 1 : 0;
    return showing >= 2 && showing == held;
}

// Whether the fill rule fills this empty pile now.
bool FillsPile(const GameContext& context, int fill, int pile)
{
    switch (fill) {
    case 1: case 3: case 5: case 9: case 12: case 18: case 22: case 43: case 84: case 85: return true;
    case 2: case 8: return OutsideBlockedPiles(context, pile);
    // A game-specific count still pending (its first counter word) holds the fill back: Sly
    // Fox's gaps fill only until the first round of placing begins.
    case 4: return OutsideBlockedPiles(context, pile) && context.mainGame.GameCounter1 == 0;
    case 10: return OutsideBlockedPiles(context, pile) && EveryReserveEmpty(context);
    case 6: {
        constexpr std::array kFilled{0, 6, 7, 13, 14, 20, 21, 27};
        return std::find(kFilled.begin(), kFilled.end(), pile) != kFilled.end();
    }
    case 7: return pile >= 10;
    case 11: return pile >= 24 && pile <= 31;
    case 14: return pile <= 7 || (pile >= 16 && pile <= 23);
    case 15: return SuitCountMatchesFoundationZero(context);
    case 19: return pile >= 14 && pile <= 25;
    case 20: return pile >= 16 && pile <= 24;
    case 21: return ElementCount(TableauAt(context, pile)) < 13;
    default: return false; // 13, 16 and unknown rules fill nothing
    }
}

std::optional<PileRef> IfHoldsCard(const GameContext& context, PileRef pile)
{
    return TopElement(context.piles[pile]) > 0 ? std::optional(pile) : std::nullopt;
}

// Fill rule 14: piles 0..7 take from pile i + 8, piles 16..23 from pile i - 8; an empty partner
// hands over to the nearest pile of 8..15 that holds a card, searching down from the partner,
// then down from 15.
std::optional<PileRef> PartnerOf(const GameContext& context, int pile)
{
    const int partner = pile <= 7 ? pile + 8 : pile - 8;
    for (int k = partner; k >= 8; --k)
        if (auto found = IfHoldsCard(context, {PileGroup::Tableaus, k}))
            return found;
    for (int k = 15; k > partner; --k)
        if (auto found = IfHoldsCard(context, {PileGroup::Tableaus, k}))
            return found;
    return std::nullopt;
}

// Fill rule 22 (Gate): the reserve with the most cards, the first of equals; the waste once
// every reserve is empty.
std::optional<PileRef> FullestReserveElseWaste(const GameContext& context)
{
    std::optional<PileRef> fullest;
    int most = 0;
    for (int r = 0; r < std::clamp(context.ReserveCount(), 0, kMaxReserves); ++r) {
        const int held = ElementCount(context.piles.reserves[static_cast<std::size_t>(r)]);
        if (held > most) {
            most = held;
            fullest = PileRef{PileGroup::Reserves, r};
        }
    }
    return fullest ? fullest : IfHoldsCard(context, {PileGroup::StockGroup, kWasteSlot});
}

// Fill rule 84 (Heads and Tails): the reserve standing in the pile's column, a row of reserves
// serving the row of piles above it and the row below alike.
std::optional<PileRef> OwnReserve(const GameContext& context, int pile)
{
    const int reserves = std::clamp(context.ReserveCount(), 0, kMaxReserves);
    return reserves > 0 ? IfHoldsCard(context, {PileGroup::Reserves, pile % reserves}) : std::nullopt;
}

std::optional<PileRef> SourceOf(const GameContext& context, Source source, int pile)
{
    const PileRef waste{PileGroup::StockGroup, kWasteSlot};
    const PileRef stock{PileGroup::StockGroup, kStockSlot};
    switch (source) {
    case Source::ReserveZero: return IfHoldsCard(context, {PileGroup::Reserves, 0});
    case Source::Waste: return IfHoldsCard(context, waste);
    case Source::Stock: return IfHoldsCard(context, stock);
    case Source::WasteElseStock: {
        auto found = IfHoldsCard(context, waste);
        return found ? found : IfHoldsCard(context, stock);
    }
    case Source::StockElseWaste: {
        auto found = IfHoldsCard(context, stock);
        return found ? found : IfHoldsCard(context, waste);
    }
    case Source::Partner: return PartnerOf(context, pile);
    case Source::FullestReserveElseWaste: return FullestReserveElseWaste(context);
    case Source::OwnReserve: return OwnReserve(context, pile);
    }
    return std::nullopt;
}

// Moves the top card of source, alone, onto the tableau pile as an automatic move.
bool FillWith(GameContext& context, PileRef source, int pile)
{
    const int card = TopElement(context.piles[source]);
    const PileRef destination{PileGroup::Tableaus, pile};
    if (AnimatesCardMoves(context.registers))
        context.presentation().GlideCard(card, source, destination);
    if (!ExecuteMove(context, card, CardTarget{destination, Mover::Autoplay}, false))
        return false;
    TagLastSnapshot(context, SnapshotTag::Autoplay);
    return true;
}

// Sends an Ace met during a fill to the first foundation that takes it, as an automatic move.
bool SendAceHome(GameContext& context, int card)
{
    for (int f = 0; f < std::clamp(context.FoundationCount(), 0, kMaxFoundations); ++f)
        if (CanPlayOnFoundation(context, f, card) && ExecuteMove(context, card, PileRef{PileGroup::Foundations, f}, false)) {
            TagLastSnapshot(context, SnapshotTag::Autoplay);
            return true;
        }
    return false;
}

// Fills one empty pile by the rule; true when a card moved.
bool FillPile(GameContext& context, int fill, int pile)
{
    const FillRule how = FillRuleOf(fill);
    std::optional<PileRef> kept;
    bool moved = false;
    for (int n = 0; n < how.cards;) {
        const auto source = kept ? IfHoldsCard(context, *kept) : SourceOf(context, how.source, pile);
        if (!source)
            break;
        const int card = TopElement(context.piles[*source]);
        if (how.acesHome && CardRank(card) == Ace && SendAceHome(context, card)) {
            moved = true;
            continue;
        }
        if (!FillWith(context, *source, pile))
            break;
        moved = true;
        ++n;
        if (how.sourceKept)
            kept = source;
    }
    return moved;
}

} // namespace

bool AutoFillEmptyTableau(GameContext& context)
{
    const int fill = context.rules[rule::EmptyTableauFill];
    if (fill == 0 || !AutomaticPlayMayAct(context))
        return false;
    if (fill == kGridGapsFromStock) {
        const bool moved = DealIntoGridCells(context, GapsInDealtGridRows(context), Mover::Autoplay);
        if (moved)
            TagLastSnapshot(context, SnapshotTag::Autoplay);
        return moved;
    }
    bool moved = false;
    const int tableaus = std::clamp(context.TableauCount(), 0, kMaxTableaus);
    for (int k = 0; k < tableaus; ++k) {
        if (!HoldsCard(TableauAt(context, k)) && FillsPile(context, fill, k))
            moved |= FillPile(context, fill, k);
    }
    return moved;
}

} // namespace marlowe
