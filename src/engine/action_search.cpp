#include "engine/action_search.h"

#include "catalogue/rule_values.h"
#include "catalogue/game_traits.h"
#include "engine/cards.h"
#include "engine/cell_swaps.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/memory_games.h"
#include "engine/move_finder.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/placing_rounds.h"
#include "engine/placing_phases.h"
#include "engine/pointer.h"
#include "engine/quiet_play.h"
#include "engine/search_budget.h"
#include "engine/selection.h"
#include "engine/stock.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <random>
#include <unordered_set>
#include <utility>

namespace marlowe {

namespace {


// Candidates are ranked by band, and within a band a run that joins the run it lands on comes
// first; a stock click ranks after shifting tableau cards, before parking a card on a reserve.
constexpr int Rank(MoveBand band, bool joinsRun = true)
{
    return 4 * static_cast<int>(band) + (joinsRun ? 0 : 1);
}
constexpr int kStockRank = Rank(MoveBand::TableauShift, false) + 1;

struct Ranked {
    int rank;
    PlayAction action;
};

PileKind KindOfGroup(PileGroup group)
{
    return group == PileGroup::Foundations ? PileKind::Foundation
           : group == PileGroup::Reserves  ? PileKind::Reserve
                                           : PileKind::Tableau;
}

int UsedPiles(const GameContext& context, PileGroup group)
{
    const int used = group == PileGroup::Foundations ? context.FoundationCount()
                     : group == PileGroup::Tableaus  ? context.TableauCount()
                                                     : context.ReserveCount();
    return std::clamp(used, 0, PileStore::SlotCount(group));
}

// Whether the cards from element at of tableau pile from, put on the top card of tableau pile
// to, would make one run with it that the pointer could pick as a whole. The piles are left
// as they were.
bool JoinsRun(GameContext& context, PileRef from, int at, PileRef to)
{
    std::string& target = context.piles[to];
    const int top = TopElement(target);
    if (top <= 0 || context.cards.IsFaceDown(top))
        return false;
    const std::string saved = target;
    target += context.piles[from].substr(static_cast<std::size_t>(at) * 3);
    const bool joined = IsRunMovable(context, top, to.slot);
    target = saved;
    return joined;
}

// Whether the run from element at of a tableau pile already makes one run with the card under it.
bool RestsOnRun(GameContext& context, PileRef pile, int at)
{
    const int below = at > 0 ? ElementAt(context.piles[pile], at - 1) : 0;
    return below > 0 && !context.cards.IsFaceDown(below) && IsRunMovable(context, below, pile.slot);
}

// Whether two piles of a group are dealt and played by the same rules, so that an empty one
// stands for the other.
bool AlikePiles(const GameContext& context, PileGroup group, int a, int b)
{
    static constexpr int kTableauFamilies[] = {rule::TableauBaseRank, rule::TableauDirection, rule::TableauBuildCode,
                                               rule::TableauWrap};
    static constexpr int kFoundationFamilies[] = {rule::FoundationBaseRank, rule::FoundationDirection,
                                                  rule::FoundationBuildCode, rule::FoundationFullCountOf};
    static constexpr int kReserveFamilies[] = {rule::ReserveRule};
    const auto alike = [&](const auto& families) {
        for (const int family : families)
            if (context.rules.Of(family, a) != context.rules.Of(family, b))
                return false;
        return true;
    };
    return group == PileGroup::Tableaus      ? alike(kTableauFamilies)
           : group == PileGroup::Foundations ? alike(kFoundationFamilies)
                                             : alike(kReserveFamilies);
}

// The drops of count cards from element at (the card) of pile. The moves the move finder calls
// pointless rank last, save one: a run carried from a card it does not make one run with onto
// a card it does (in Spider, onto its own suit). A card taken back from a foundation ranks last.
// Of several empty piles alike only the first is tried.
void AddDrops(GameContext& context, PileRef from, int at, int card, int count, std::vector<Ranked>& out)
{
    const bool fromTableau = from.group == PileGroup::Tableaus;
    for (const PileGroup group : {PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves}) {
        int firstEmpty = -1;
        for (int slot = 0; slot < UsedPiles(context, group); ++slot) {
            const PileRef to{group, slot};
            if (to == from)
                continue;
            const bool empty = context.piles[to].empty();
            if (empty && firstEmpty >= 0 && AlikePiles(context, group, firstEmpty, slot))
                continue;
            // A whole pile carried to an empty pile alike changes nothing.
            if (empty && at == 0 && group == from.group && AlikePiles(context, group, from.slot, slot))
                continue;
            if (!CanDropOnPile(context, card, PileName(to), count))
                continue;
            if (empty && firstEmpty < 0)
                firstEmpty = slot;
            const DropCandidate destination{KindOfGroup(group), slot, 1};
            const PlayAction drop{ActionKind::Drop, card, to};
            if (from.group == PileGroup::Foundations) {
                out.push_back({Rank(MoveBand::Pointless), drop});
                continue;
            }
            MoveBand band = BandOfMove(context, from, card, destination);
            const bool joins = fromTableau && group == PileGroup::Tableaus && !empty && JoinsRun(context, from, at, to);
            if (band == MoveBand::Pointless && joins && !RestsOnRun(context, from, at))
                band = MoveBand::TableauShift;
            out.push_back({Rank(band, joins), drop});
        }
    }
}

// Every card of the pile the pointer may pick, top first, with its drops.
void AddPileActions(GameContext& context, PileRef pile, std::vector<Ranked>& out)
{
    const std::string text = context.piles[pile];
    const int size = ElementCount(text);
    for (int at = size - 1; at >= 0; --at) {
        const int card = ElementAt(text, at);
        if (card <= 0)
            continue;
        if (at == size - 1 && pile.group == PileGroup::Tableaus) {
            if (PressPlaysCard(context, pile, card)) {
                out.push_back({Rank(MoveBand::ToFoundation), PlayAction{ActionKind::Click, card}});
                continue;
            }
            if (context.cards.IsFaceDown(card))
                out.push_back({Rank(MoveBand::Uncovers), PlayAction{ActionKind::Click, card}});
        }
        const int count = PickableCount(context, pile, card);
        if (count > 0)
            AddDrops(context, pile, at, card, count, out);
    }
}

// The clicks of a selection game that select a card: every selectable card not yet selected
// whose selection still may make a set, those completing a set first. A card that leaves the
// set unfinished is chosen only when another card on the table could join it: a choice no card
// can follow changes nothing until the table changes, and the same choice made afterwards
// reaches the same tables. Where sets leave only in a removal phase (Camelot's pairs), a card is
// chosen first only when a card on the table completes its pair.
void AddSelectingClicks(GameContext& context, std::vector<Ranked>& out)
{
    const std::vector<int> selected = SelectedCards(context);
    std::vector<int> selectable;
    const auto addPile = [&](PileRef pile) {
        for (const int card : PileCodes(context.piles[pile]))
            if (card > 0 && SelectableCard(context, pile, card) &&
                std::find(selected.begin(), selected.end(), card) == selected.end())
                selectable.push_back(card);
    };
    addPile({PileGroup::StockGroup, kWasteSlot});
    for (const PileGroup group : {PileGroup::Tableaus, PileGroup::Reserves, PileGroup::Foundations})
        for (int slot = group == PileGroup::Foundations ? 1 : 0; slot < UsedPiles(context, group); ++slot)
            addPile({group, slot});

    const bool pairsNeedPartner = SpecialTraitsOf(context.rules).placesTurnedCards;
    // The cards that may join a selection: the pyramid's stock click pairs the stock's top card.
    std::vector<int> joining = selectable;
    if (SpecialTraitsOf(context.rules).pyramid && TopElement(context.piles.Stock()) > 0)
        joining.push_back(TopElement(context.piles.Stock()));
    // Whether another card on the table completes the grown selection, or at least keeps it possible.
    const auto followed = [&](std::vector<int> grown, bool wantsComplete) {
        const int chosen = grown.back();
        return std::any_of(joining.begin(), joining.end(), [&](int other) {
            if (other == chosen)
                return false;
            grown.push_back(other);
            const SelectionVerdict verdict = JudgeSelection(context, grown);
            grown.pop_back();
            return wantsComplete ? verdict == SelectionVerdict::Complete : verdict != SelectionVerdict::Invalid;
        });
    };
    for (const int card : selectable) {
        std::vector<int> grown = selected;
        grown.push_back(card);
        const SelectionVerdict verdict = JudgeSelection(context, grown);
        if (verdict == SelectionVerdict::Invalid || (verdict == SelectionVerdict::Partial && !followed(grown, pairsNeedPartner)))
            continue;
        out.push_back({Rank(verdict == SelectionVerdict::Complete ? MoveBand::ToFoundation : MoveBand::Uncovers),
                       PlayAction{ActionKind::Click, card}});
    }
}

// The clicks of a memory game: every face-down tableau card may be turned.
void AddMemoryClicks(GameContext& context, std::vector<Ranked>& out)
{
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k)
        for (const int card : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]))
            if (card > 0 && context.cards.IsFaceDown(card))
                out.push_back({Rank(MoveBand::Uncovers), PlayAction{ActionKind::Click, card}});
}

// Presses of the waste piles that do more than pick up their top card: putting the hand on the
// table away, a card climbing onto a foundation, an empty waste starting the game's own redeal
// (an empty waste does nothing else).
// No drop or card click stands for them. Whether a press acts is known only by carrying it out.
void AddWastePresses(GameContext& context, std::vector<Ranked>& out)
{
    const RuleVector& rules = context.rules;
    for (const int slot : {kWasteSlot, kSecondWasteSlot}) {
        const bool present = slot == kWasteSlot ? rules[rule::StockGroupCount] >= 2 : rules[rule::SecondWasteCount] > 0;
        const PileRef pile{PileGroup::StockGroup, slot};
        const int top = TopElement(context.piles[pile]);
        const bool pressTakesTop = top > 0 && (LeftClickSelects(rules) || PickableCount(context, pile, top) > 0);
        const bool idle = top == 0 && slot == kWasteSlot && rules[rule::RedealStyle] < redeal::FirstOwn;
        if (present && !pressTakesTop && !idle)
            out.push_back({kStockRank, PlayAction{ActionKind::Press, 0, pile}});
    }
}

// The tableau piles where a game reads no place but its kind (its pile rules): each pile's text
// behind its rules, sorted, so that tables differing only in which place of a kind holds a card
// meet as one.
std::vector<std::string> TableausByKind(const GameContext& context)
{
    std::vector<std::string> piles;
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k) {
        std::string kind;
        for (const int family : {rule::TableauBaseRank, rule::TableauDirection, rule::TableauBuildCode, rule::TableauWrap})
            kind += std::to_string(context.rules.Of(family, k)) + ',';
        piles.push_back(kind + context.piles.tableaus[static_cast<std::size_t>(k)]);
    }
    std::sort(piles.begin(), piles.end());
    return piles;
}

std::uint64_t Mix(std::uint64_t hash, std::string_view text)
{
    for (const unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    return (hash ^ '|') * 1099511628211ull;
}

// What identifies a position: the piles (a selection game's selection among them), the face
// marks of the cards and the state words the stock and the special games count with. The pass
// number counts only when passes are limited; once the waste can no longer be turned over, only
// its count and its top card matter. The misses of a memory game are left out: a table met
// again after a miss is no better than before it.
std::uint64_t PositionKey(const GameContext& context)
{
    std::uint64_t hash = 14695981039346656037ull;
    const PileStore& piles = context.piles;
    const bool wastesSettled = !RedealAllowed(context);
    for (int slot = 0; slot < 3; ++slot) {
        std::string_view pile = piles.stockGroup[static_cast<std::size_t>(slot)];
        if (slot != kStockSlot && wastesSettled && pile.size() > 3) {
            hash = Mix(hash, std::to_string(pile.size()));
            pile = pile.substr(pile.size() - 3);
        }
        hash = Mix(hash, pile);
    }
    const auto mixAll = [&hash](const auto& group) {
        for (const std::string& pile : group)
            hash = Mix(hash, pile);
    };
    mixAll(piles.foundations);
    if (SpecialTraitsOf(context.rules).placesTurnedCards)
        mixAll(TableausByKind(context));
    else
        mixAll(piles.tableaus);
    mixAll(piles.reserves);
    std::string marks(kCardTableRows, '1');
    for (int code = 1; code <= kCardTableRows; ++code)
        marks[static_cast<std::size_t>(code - 1)] = context.cards.IsFaceDown(code) ? '0' : '1';
    hash = Mix(hash, marks);
    const TMainGame& game = context.mainGame;
    const int redeals = context.rules[rule::PassesAllowed] == -1 ? 0 : game.RedealsDone;
    for (const int word : {redeals, int{game.DealCounter}, int{game.GameCounter1}, int{game.GameCounter2},
                           int{game.GameCounter3}, int{game.GameCounter4}, int{game.BlockedCard}})
        hash = Mix(hash, std::to_string(word));
    return hash;
}

// Whether every tableau pile takes only cards that come from elsewhere than the tableau: its
// cards then leave only for the foundations, so a pile's order is settled as it is built.
bool TableauHoldsOnlyIncomingCards(const GameContext& context)
{
    const int used = UsedPiles(context, PileGroup::Tableaus);
    for (int k = 0; k < used; ++k) {
        const int code = context.rules.Of(rule::TableauBuildCode, k);
        if (code != building::NotFromTableau && code != building::NotFromTableauOrReserve)
            return false;
    }
    return used > 0;
}

// The cards off the foundations in the order they come to hand: the waste top first, the
// tableau piles' cards by depth, the reserves, the stock as it is dealt.
std::vector<int> CardsAsTheyComeToHand(const GameContext& context)
{
    std::vector<int> cards;
    const auto addTopFirst = [&cards](std::string_view pile) {
        for (int at = ElementCount(pile) - 1; at >= 0; --at)
            if (const int card = ElementAt(pile, at); card > 0)
                cards.push_back(card);
    };
    for (int slot = kWasteSlot; slot <= kSecondWasteSlot; ++slot)
        addTopFirst(context.piles.stockGroup[static_cast<std::size_t>(slot)]);
    const int tableaus = UsedPiles(context, PileGroup::Tableaus);
    for (int depth = 0, found = 1; found; ++depth) {
        found = 0;
        for (int k = 0; k < tableaus; ++k) {
            const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(k)];
            const int at = ElementCount(pile) - 1 - depth;
            if (at < 0)
                continue;
            found = 1;
            if (const int card = ElementAt(pile, at); card > 0)
                cards.push_back(card);
        }
    }
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        addTopFirst(context.piles.reserves[static_cast<std::size_t>(r)]);
    addTopFirst(context.piles.Stock());
    return cards;
}

// When each card off the foundations is expected to go home: the foundations take cards in
// rounds, one each per round, each the first card in hand it accepts. A card's need is the
// round that takes it, kNotNeeded when none does; a round of placing, which holds the piles
// back only for a while, is set aside. The foundations are left as they were.
constexpr int kNotNeeded = 99;
using Needs = std::array<int, kCardTableRows + 1>;

Needs FoundationNeeds(GameContext& context)
{
    const std::vector<int> pool = CardsAsTheyComeToHand(context);
    std::vector<bool> taken(pool.size(), false);
    Needs needs;
    needs.fill(kNotNeeded);
    const int foundations = UsedPiles(context, PileGroup::Foundations);
    const auto saved = context.piles.foundations;
    const RoundSetAside placing(context);
    for (int round = 0, took = 1; took; ++round) {
        took = 0;
        for (int f = 0; f < foundations; ++f) {
            std::size_t at = 0;
            while (at < pool.size() && (taken[at] || !FoundationRuleAccepts(context, f, pool[at])))
                ++at;
            if (at == pool.size())
                continue;
            taken[at] = true;
            took = 1;
            needs[static_cast<std::size_t>(pool[at])] = round;
            context.piles.foundations[static_cast<std::size_t>(f)] += CodeText(pool[at]);
        }
    }
    context.piles.foundations = saved;
    return needs;
}

// How much the tableau piles hold cards back: each card lying on one the foundations want
// sooner, by how much later it is wanted.
int Burial(const GameContext& context, const Needs& needs)
{
    int burial = 0;
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k) {
        const std::string& text = context.piles.tableaus[static_cast<std::size_t>(k)];
        for (int at = 1; at < ElementCount(text); ++at) {
            const int below = needs[static_cast<std::size_t>(ElementAt(text, at - 1))];
            const int above = needs[static_cast<std::size_t>(ElementAt(text, at))];
            burial += std::max(0, above - below);
        }
    }
    return burial;
}

// How far a game that takes sets off the table has come: the cards gone, a selection half
// made, and, for the games that place turned cards, the room kept for the courts to come.
int ProgressTakingSets(const GameContext& context)
{
    return 20 * ElementCount(context.piles.stockGroup[kSecondWasteSlot]) +
           static_cast<int>(SelectedCards(context).size()) +
           (SpecialTraitsOf(context.rules).placesTurnedCards ? RoomForCourts(context) : 0);
}

// How many more times the stock will name each card of the rows, by suit and rank: a card the
// waste shows now or the stock still holds has its turn in this pass, and every card one in each
// pass still to come.
std::array<std::array<int, King + 1>, 4> TurnsLeft(const GameContext& context)
{
    constexpr int kEndlessPasses = 9; // passes without limit: more turns than any card needs
    const int passesLeft = context.rules[rule::PassesAllowed] < 0
                               ? kEndlessPasses
                               : std::max(0, context.rules[rule::PassesAllowed] - context.mainGame.RedealsDone);
    std::array<std::array<int, King + 1>, 4> turns{};
    for (auto& suit : turns)
        suit.fill(passesLeft);
    const auto name = [&turns](int card) { turns[static_cast<std::size_t>(CardSuit(card))][static_cast<std::size_t>(CardRank(card))] += 1; };
    for (const int card : PileCodes(context.piles.Stock()))
        if (card > 0)
            name(card);
    if (const int top = TopElement(context.piles.Waste()); top > 0)
        name(top);
    return turns;
}

// How far a game that puts the rows in order has come: the cards in their cells, and those one
// swap away from them. Where the stock names the card that may move (a swap turning the next
// card), what counts is how many swaps each card still needs against the turns it has left: a card
// with too few turns can come home only when another card's swap carries it, which costs more.
int ProgressOfRowsInOrder(const GameContext& context)
{
    if (!SpecialTraitsOf(context.rules).turnsAfterSwap)
        return 20 * CardsInTheirCells(context) + 4 * CardsInLineOfTheirCells(context);
    const auto turns = TurnsLeft(context);
    int cost = 0;
    for (int row = 0; row < std::min(UsedPiles(context, PileGroup::Tableaus), 4); ++row) {
        const std::string& text = context.piles.tableaus[static_cast<std::size_t>(row)];
        for (int cell = 0; cell < std::min(ElementCount(text), static_cast<int>(King)); ++cell) {
            const int card = ElementAt(text, cell);
            if (card <= 0)
                continue;
            const int swaps = (CardSuit(card) != SuitOfRow(row) ? 1 : 0) + (CardRank(card) != cell + 1 ? 1 : 0);
            const int left = turns[static_cast<std::size_t>(CardSuit(card))][static_cast<std::size_t>(CardRank(card))];
            cost += swaps + 2 * std::max(0, swaps - left);
        }
    }
    return -10 * cost + CardsInTheirCells(context);
}

// How far a game that builds on foundations has come: cards on the foundations and, when the
// rounds that take them home are known, few cards held back under others; otherwise few cards
// left in the tableau and reserves, none face down, long runs on top of the tableau piles and
// empty tableau piles.
int ProgressHome(const GameContext& context, const Needs* needs)
{
    int score = 0;
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        score += 20 * ElementCount(context.piles.foundations[static_cast<std::size_t>(f)]);
    if (needs)
        return score - 2 * Burial(context, *needs);
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        score -= 2 * ElementCount(context.piles.reserves[static_cast<std::size_t>(r)]);
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k) {
        const std::string& text = context.piles.tableaus[static_cast<std::size_t>(k)];
        const int count = ElementCount(text);
        score += count == 0 ? 5 : -2 * count;
        int at = count - 1;
        while (at > 0 && !context.cards.IsFaceDown(ElementAt(text, at - 1)) &&
               IsRunMovable(context, ElementAt(text, at - 1), k))
            --at;
        score += 3 * (count - 1 - at);
        for (int i = 0; i < count; ++i)
            score -= context.cards.IsFaceDown(ElementAt(text, i)) ? 10 : 0;
    }
    return score;
}

// Whether `lower` is the next card below `higher` in its suit.
bool NextBelowInSuit(int higher, int lower)
{
    return higher > 0 && lower > 0 && CardSuit(higher) == CardSuit(lower) && CardRank(lower) + 1 == CardRank(higher);
}

// How far a game won with each suit gathered on a pile from its King has come: the cards lying on
// the next higher card of their suit, the more where the pile starts from a King, and the stock's
// cards that will be dealt straight after that card (the redeal that keeps the piles' order brings
// them back so).
int ProgressOfSuitRuns(const GameContext& context)
{
    int score = 0;
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k) {
        const std::vector<int> pile = PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]);
        std::size_t run = 1;
        while (run < pile.size() && NextBelowInSuit(pile[run - 1], pile[run]))
            ++run;
        const bool fromKing = !pile.empty() && pile.front() > 0 && CardRank(pile.front()) == King;
        score += 20 * static_cast<int>(run - 1) + (fromKing ? 10 * static_cast<int>(run) : 0);
    }
    const std::vector<int> stock = PileCodes(context.piles.Stock()); // its top card last
    for (std::size_t at = 1; at < stock.size(); ++at)
        score += NextBelowInSuit(stock[at], stock[at - 1]) ? 20 : 0;
    return score;
}

// How far the table has come, to try the better of equally ranked moves first.
int Progress(const GameContext& context, const Needs* needs)
{
    if (SpecialTraitsOf(context.rules).won == WonTest::SuitRunsBesideHome)
        return ProgressOfSuitRuns(context);
    if (LeftClickSelects(context.rules) || IsMemoryGame(context.rules))
        return ProgressTakingSets(context);
    if (SpecialTraitsOf(context.rules).won == WonTest::SuitRowsInOrder)
        return ProgressOfRowsInOrder(context);
    return ProgressHome(context, needs);
}

// Whether a selection of tableau cards is under way that cards on the table can follow: the
// stock then waits, since dealing first and choosing the same cards afterwards reaches the same
// tables. A selection of cards the stock moves about (a waste's top) may not wait, nor one that
// the stock click itself completes (the pyramid's, with the stock's top card).
bool SelectionWaitsForCards(const GameContext& context, const std::vector<Ranked>& ranked)
{
    const bool clicksFollow = std::any_of(ranked.begin(), ranked.end(),
                                          [](const Ranked& entry) { return entry.action.kind == ActionKind::Click; });
    const SpecialTraits& traits = SpecialTraitsOf(context.rules);
    if (!LeftClickSelects(context.rules) || traits.placesTurnedCards || traits.pyramid || !clicksFollow)
        return false;
    const std::vector<int> selected = SelectedCards(context);
    return !selected.empty() && std::all_of(selected.begin(), selected.end(), [&](int card) {
        const std::optional<PileRef> home = HomeOfCard(context, card);
        return home && home->group == PileGroup::Tableaus;
    });
}

std::vector<Ranked> RankedCandidates(GameContext& context)
{
    std::vector<Ranked> ranked;
    if (LeftClickSelects(context.rules)) {
        AddSelectingClicks(context, ranked);
        if (SpecialTraitsOf(context.rules).placesTurnedCards)
            AddPileActions(context, {PileGroup::StockGroup, kWasteSlot}, ranked);
    } else if (IsMemoryGame(context.rules)) {
        AddMemoryClicks(context, ranked);
    } else {
        if (context.rules[rule::WasteFaceDown] == 0)
            AddPileActions(context, {PileGroup::StockGroup, kWasteSlot}, ranked);
        for (const PileGroup group : {PileGroup::Reserves, PileGroup::Tableaus, PileGroup::Foundations})
            for (int slot = 0; slot < UsedPiles(context, group); ++slot)
                AddPileActions(context, {group, slot}, ranked);
        for (const FoundMove& move : CellMoves(context)) // drops into the gaps of rows of cells
            ranked.push_back({Rank(move.band), PlayAction{ActionKind::Drop, move.card, DestinationPile(move.destination),
                                                          move.destination.cell}});
    }
    AddWastePresses(context, ranked);
    if ((context.rules[rule::StockGroupCount] > 0 || context.rules[rule::RedealStyle] >= redeal::FirstOwn ||
         !context.piles.Stock().empty()) &&
        !SelectionWaitsForCards(context, ranked))
        ranked.push_back({kStockRank, PlayAction{ActionKind::Stock}});
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    return ranked;
}

// A table reached by one action, waiting to be searched from.
struct Child {
    PlayAction action;
    std::optional<GameContext> table; // dropped once searched from
    int rank = 0;
    int progress = 0;
};

// The search's bookkeeping: the positions seen, the positions counted against the limit, the
// clock and the stop token, and whether any line of play was cut short.
class Search {
public:
    Search(const SolverOptions& options, SolveResult& result, bool reckonsNeeds, SearchBudget& budget)
        : options_(options), result_(result), reckonsNeeds_(reckonsNeeds), budget_(budget)
    {
    }

    bool Seen(const GameContext& table) { return !visited_.insert(PositionKey(table)).second; }

    // The tables one action away that were never seen, best first; or, when an action wins,
    // nothing and that action in winning.
    std::vector<Child> Expand(GameContext& table, std::optional<PlayAction>& winning)
    {
        std::vector<Child> children;
        // The wants of the foundations change little with one action: reckoned once for all.
        const std::optional<Needs> needs = reckonsNeeds_ ? std::optional(FoundationNeeds(table)) : std::nullopt;
        for (const Ranked& candidate : RankedCandidates(table)) {
            GameContext next = table;
            if (!PerformAction(next, candidate.action))
                continue;
            if (IsGameWon(next)) {
                winning = candidate.action;
                return {};
            }
            if (Seen(next))
                continue;
            if (++result_.nodes >= options_.nodeLimit)
                break;
            ClearHistory(next, true); // the search needs no way back; copies stay small
            const int progress = Progress(next, needs ? &*needs : nullptr);
            children.push_back({candidate.action, std::move(next), candidate.rank, progress});
        }
        std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
            return a.rank != b.rank ? a.rank < b.rank : a.progress > b.progress;
        });
        return children;
    }

    bool OutOfBudget() { return result_.nodes >= options_.nodeLimit || budget_.Spent(); }
    void CutShort() { cutShort_ = true; }
    bool Exhaustive() const { return !cutShort_ && result_.nodes < options_.nodeLimit && !budget_.WasSpent(); }

private:
    const SolverOptions& options_;
    SolveResult& result_;
    bool reckonsNeeds_;
    SearchBudget& budget_;
    bool cutShort_ = false;
    std::unordered_set<std::uint64_t> visited_;
};

// The first allowance of the searches whose alternatives share, and the part of the budget
// they may spend (one in so many).
constexpr long long kFirstAllowance = 4096;
constexpr int kProbeShare = 4;

struct Frame {
    std::vector<Child> children;
    long long start = 0;  // tables examined when the search reached this frame
    long long budget = 0; // tables its line of play may examine before the search turns back
    std::size_t next = 0; // children before it have been searched, or are being searched
};

} // namespace

std::vector<PlayAction> CandidateActions(GameContext& context)
{
    std::vector<PlayAction> actions;
    for (const auto& entry : RankedCandidates(context))
        actions.push_back(entry.action);
    return actions;
}

namespace {

// One depth-first search from start, never visiting a position twice. Where alternatives
// share, each alternative of a line may examine at most half of what the line has left, the
// whole search at most allowance tables: the search then comes back to its early choices
// instead of spending itself under one of them. Won fills the line; unwinnable only when no
// line was cut short and no budget ran out.
SolveVerdict DepthFirst(const GameContext& start, const SolverOptions& options, SearchBudget& budget,
                        bool reckonsNeeds, bool shares, long long allowance, SolveResult& result)
{
    GameContext root = start;
    Search search(options, result, reckonsNeeds, budget);
    search.Seen(root);
    ++result.nodes;
    std::optional<PlayAction> winning;
    std::deque<Frame> path; // the line of play being searched: one frame per action
    path.push_back({search.Expand(root, winning), result.nodes, allowance});

    while (!path.empty() && !winning && !search.OutOfBudget()) {
        Frame& frame = path.back();
        const long long spent = result.nodes - frame.start;
        if (frame.next == frame.children.size()) {
            path.pop_back();
            continue;
        }
        if (path.size() > options.depthLimit || spent > frame.budget) {
            search.CutShort();
            path.pop_back();
            continue;
        }
        Child& child = frame.children[frame.next++];
        std::vector<Child> grandchildren = search.Expand(*child.table, winning);
        child.table.reset();
        const bool shared = shares && frame.children.size() > 1;
        const long long share = std::min(shared ? frame.budget / 2 : frame.budget, frame.budget - spent);
        path.push_back({std::move(grandchildren), result.nodes, share});
    }
    if (!winning)
        return path.empty() && search.Exhaustive() ? SolveVerdict::Unwinnable : SolveVerdict::Unknown;

    for (const Frame& step : path)
        if (step.next > 0)
            result.line.push_back(step.children[step.next - 1].action);
    result.line.push_back(*winning);
    return SolveVerdict::Won;
}

// A line of play from a table and how far it came.
struct Playout {
    std::vector<PlayAction> line;
    int progress = std::numeric_limits<int>::min();
    bool won = false;
};

constexpr std::size_t kPlayoutLength = 1500; // actions in one playout at most

// Plays on from the table, each action one that reaches a table new to the playout: half the
// time the best ranked such action, else one at random. It ends when the game is won, no such
// action is left, or the line reaches its length.
Playout RandomPlayout(GameContext table, std::mt19937_64& rng, long long& examined)
{
    Playout playout;
    std::unordered_set<std::uint64_t> seen{PositionKey(table)};
    while (playout.line.size() < kPlayoutLength && !playout.won) {
        std::vector<Ranked> candidates = RankedCandidates(table);
        if (rng() % 2 == 0)
            std::shuffle(candidates.begin(), candidates.end(), rng);
        const auto taken = std::find_if(candidates.begin(), candidates.end(), [&](const Ranked& candidate) {
            GameContext next = table;
            ++examined;
            if (!PerformAction(next, candidate.action) || !seen.insert(PositionKey(next)).second)
                return false;
            ClearHistory(next, true);
            table = std::move(next);
            return true;
        });
        if (taken == candidates.end())
            break;
        playout.line.push_back(taken->action);
        playout.won = IsGameWon(table);
    }
    playout.progress = Progress(table, nullptr);
    return playout;
}

// A nested search of playouts: at each step every action is tried with a playout after it, and
// the line follows the best playout met so far. Where a game is mostly luck or its wins need
// one long line held to the end (a stock dealt out, cards put away in the right order), lines
// played out to the end find wins that a search turning back at every dead end does not reach.
// It proves nothing; a win fills the line.
bool PlayOutLines(const GameContext& start, std::uint64_t seed, long long nodeLimit, SearchBudget& budget, SolveResult& result)
{
    std::mt19937_64 rng(seed);
    GameContext table = start;
    std::vector<PlayAction> line;
    Playout best;
    while (!budget.Spent() && result.nodes < nodeLimit) {
        for (const Ranked& candidate : RankedCandidates(table)) {
            GameContext next = table;
            ++result.nodes;
            if (!PerformAction(next, candidate.action))
                continue;
            ClearHistory(next, true);
            Playout after = IsGameWon(next) ? Playout{{}, 0, true} : RandomPlayout(next, rng, result.nodes);
            if (after.won || after.progress > best.progress) {
                best.line = line;
                best.line.push_back(candidate.action);
                best.line.insert(best.line.end(), after.line.begin(), after.line.end());
                best.progress = after.progress;
                if (after.won) {
                    result.line = best.line;
                    return true;
                }
            }
            if (budget.Spent())
                return false;
        }
        if (best.line.size() <= line.size())
            return false;
        const PlayAction step = best.line[line.size()];
        PerformAction(table, step);
        ClearHistory(table, true);
        line.push_back(step);
    }
    return false;
}

// Nested playouts, each from a seed of its own, within a part of the budget.
bool PlayOutWithin(const GameContext& start, const SolverOptions& options, int share, SolveResult& result)
{
    SolverOptions part = options;
    part.nodeLimit = std::min(result.nodes + options.nodeLimit / share, options.nodeLimit);
    part.timeLimit = options.timeLimit / share;
    SearchBudget budget(part, 1);
    for (std::uint64_t seed = PositionKey(start); result.nodes < part.nodeLimit && !budget.Spent(); ++seed)
        if (PlayOutLines(start, seed, part.nodeLimit, budget, result))
            return true;
    result.line.clear();
    return false;
}

// A beam over actions: the tables one action beyond the last layer, each met for the first
// time, are ranked by how far they have come (then by the rank of the action that made them),
// and the best `width` of them make the next layer, so that many lines go deep at once where a
// depth-first search holds to its first one. It proves nothing.
constexpr std::size_t kFirstBeamWidth = 16;
constexpr std::size_t kWidestBeam = 1 << 13;
constexpr std::size_t kBeamDepthLimit = 100000;

enum class BeamEnd { Won, RanDry, Spent };

struct BeamStep {
    std::uint32_t parent = 0; // its table's place in the layer before
    PlayAction action;
};

// One beam of the given width; leftOut tells whether it dropped tables for want of width or depth.
BeamEnd BeamOnce(const GameContext& start, std::size_t width, const SolverOptions& options, SearchBudget& budget,
                 SolveResult& result, bool& leftOut)
{
    struct Candidate {
        int progress = 0;
        int rank = 0;
        BeamStep step;
    };
    std::vector<GameContext> layer{start};
    std::vector<std::vector<BeamStep>> steps; // the steps into each layer after the start
    std::unordered_set<std::uint64_t> seen{PositionKey(start)};
    GameContext scratch = start;
    const auto lineTo = [&steps](std::uint32_t at) {
        std::vector<PlayAction> line(steps.size());
        for (std::size_t depth = steps.size(); depth-- > 0;) {
            line[depth] = steps[depth][at].action;
            at = steps[depth][at].parent;
        }
        return line;
    };
    for (std::size_t depth = 0; depth < kBeamDepthLimit; ++depth) {
        std::vector<Candidate> candidates;
        for (std::uint32_t at = 0; at < layer.size(); ++at)
            for (const Ranked& candidate : RankedCandidates(layer[at])) {
                if (budget.Spent() || result.nodes >= options.nodeLimit)
                    return BeamEnd::Spent;
                scratch = layer[at]; // assigned, not built anew: the copy keeps its storage
                ++result.nodes;
                if (!PerformAction(scratch, candidate.action))
                    continue;
                if (IsGameWon(scratch)) {
                    result.line = lineTo(at);
                    result.line.push_back(candidate.action);
                    return BeamEnd::Won;
                }
                if (seen.insert(PositionKey(scratch)).second)
                    candidates.push_back({Progress(scratch, nullptr), candidate.rank, {at, candidate.action}});
            }
        if (candidates.empty())
            return BeamEnd::RanDry;
        if (candidates.size() > width) {
            leftOut = true;
            std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
                return a.progress != b.progress ? a.progress > b.progress : a.rank < b.rank;
            });
            candidates.resize(width);
        }
        std::vector<GameContext> next;
        next.reserve(candidates.size());
        steps.emplace_back();
        for (const Candidate& candidate : candidates) {
            next.push_back(layer[candidate.step.parent]);
            PerformAction(next.back(), candidate.step.action);
            ClearHistory(next.back(), true);
            steps.back().push_back(candidate.step);
        }
        layer = std::move(next);
    }
    leftOut = true;
    return BeamEnd::RanDry;
}

// Whether the measure of progress leads a beam well: where sets are taken off the table or the
// cards are put in their cells.
bool BeamFits(const GameContext& context)
{
    const WonTest won = SpecialTraitsOf(context.rules).won;
    return LeftClickSelects(context.rules) || won == WonTest::SuitRowsInOrder || won == WonTest::SuitRunsBesideHome;
}

// Beams, each twice as wide as the last, until one wins, the budget is spent, or one runs dry
// having left nothing out: that one met every table there is, and proves the deal lost.
SolveVerdict BeamsWithin(const GameContext& start, const SolverOptions& options, SearchBudget& budget, SolveResult& result)
{
    for (std::size_t width = kFirstBeamWidth; width <= kWidestBeam; width *= 2) {
        bool leftOut = false;
        const BeamEnd end = BeamOnce(start, width, options, budget, result, leftOut);
        if (end == BeamEnd::Won)
            return SolveVerdict::Won;
        if (end == BeamEnd::RanDry && !leftOut)
            return SolveVerdict::Unwinnable;
        if (end == BeamEnd::Spent)
            break;
    }
    result.line.clear();
    return SolveVerdict::Unknown;
}

// Whether the player's only choices are which cards go home, to which foundation, and when the
// stock deals again: no waste, every tableau pile filled by the stock's rows and built on by
// nothing, every reserve taking nothing by hand, neither a selection nor a memory game.
bool OnlyHomeMovesChoose(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    if (LeftClickSelects(rules) || IsMemoryGame(rules) || SpecialTraitsOf(rules).golf ||
        rules[rule::StockGroupCount] != 1 || UsedPiles(context, PileGroup::Foundations) == 0)
        return false;
    const int tableaus = UsedPiles(context, PileGroup::Tableaus);
    for (int k = 0; k < tableaus; ++k)
        if (rules.Of(rule::TableauBuildCode, k) != building::Nothing ||
            !deal_mode::ReceivesRows(rules.Of(rule::TableauDealMode, k)))
            return false;
    for (int r = 0; r < UsedPiles(context, PileGroup::Reserves); ++r)
        if (rules.Of(rule::ReserveRule, r) != building::Nothing)
            return false;
    return tableaus > 0;
}

int CardsHome(const GameContext& context)
{
    int home = 0;
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        home += ElementCount(context.piles.foundations[static_cast<std::size_t>(f)]);
    return home;
}

// Whether a card of the same suit and rank from another pack is still off the foundations, so
// that the foundation this one goes to leaves the other foundation to it.
bool TwinAwayFromHome(const GameContext& context, int card)
{
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        for (const int code : PileCodes(context.piles.foundations[static_cast<std::size_t>(f)]))
            if (code != card && code > 0 && code <= kLastPackCard && FaceImageIndex(code) == FaceImageIndex(card))
                return false;
    return context.rules[rule::PackSize] > 52;
}

// How many face-up cards of the pile would go home one after the other once its top card went to
// the foundation. The table is left as it was.
int ChainHome(GameContext& context, PileRef pile, int foundation)
{
    std::string& text = context.piles[pile];
    const std::string savedPile = text;
    const auto savedFoundations = context.piles.foundations;
    context.piles.foundations[static_cast<std::size_t>(foundation)] += CodeText(TopElement(text));
    text.erase(text.size() - 3);
    int chain = 0;
    for (bool went = true; went && !text.empty(); chain += went ? 1 : 0) {
        went = false;
        const int next = TopElement(text);
        if (next <= 0 || context.cards.IsFaceDown(next))
            break;
        for (int f = 0; f < UsedPiles(context, PileGroup::Foundations) && !went; ++f)
            if (FoundationRuleAccepts(context, f, next)) {
                context.piles.foundations[static_cast<std::size_t>(f)] += CodeText(next);
                text.erase(text.size() - 3);
                went = true;
            }
    }
    text = savedPile;
    context.piles.foundations = savedFoundations;
    return chain;
}

// A move home as the rollouts weigh it: how many cards of its pile would follow it home at once,
// and how many cards lie under it.
struct HomeMove {
    PlayAction action;
    int chain = 0;
    int beneath = 0;
};

// A table played by rollouts and the cards they hold back from the foundations until the next
// stock click.
struct RolloutTable {
    GameContext table;
    std::vector<int> held;

    bool Perform(const PlayAction& action, long long& examined)
    {
        ++examined;
        if (!PerformAction(table, action))
            return false;
        ClearHistory(table, true);
        if (action.kind == ActionKind::Stock)
            held.clear();
        return true;
    }

    // The top cards of the tableau and the reserves that may go home, not held back, best first
    // by the cards that would follow them and then by the cards they uncover; and whether the
    // choice among them decides anything: it does when two cards want one foundation or one
    // card two foundations. Otherwise every one of them will be played, in any order.
    std::vector<HomeMove> MovesHome(bool& choiceMatters)
    {
        std::vector<HomeMove> moves;
        for (const PileGroup group : {PileGroup::Tableaus, PileGroup::Reserves})
            for (int slot = 0; slot < UsedPiles(table, group); ++slot) {
                const PileRef pile{group, slot};
                const int card = TopElement(table.piles[pile]);
                if (card <= 0 || table.cards.IsFaceDown(card) || PickableCount(table, pile, card) <= 0 ||
                    std::find(held.begin(), held.end(), card) != held.end())
                    continue;
                for (int f = 0; f < UsedPiles(table, PileGroup::Foundations); ++f) {
                    const PileRef home{PileGroup::Foundations, f};
                    if (CanDropOnPile(table, card, PileName(home)))
                        moves.push_back({PlayAction{ActionKind::Drop, card, home}, ChainHome(table, pile, f),
                                         ElementCount(table.piles[pile]) - 1});
                }
            }
        choiceMatters = false;
        for (std::size_t i = 0; i < moves.size(); ++i)
            for (std::size_t j = i + 1; j < moves.size(); ++j)
                choiceMatters = choiceMatters ||
                                (moves[i].action.card == moves[j].action.card) != (moves[i].action.target == moves[j].action.target);
        std::stable_sort(moves.begin(), moves.end(), [](const HomeMove& a, const HomeMove& b) {
            return a.chain != b.chain ? a.chain > b.chain : a.beneath > b.beneath;
        });
        return moves;
    }
};

// How far a line came: the cards home, and of lines bringing as many home the one whose piles
// hold fewest cards on cards the foundations want sooner.
int RolloutScore(GameContext& table)
{
    return 1000 * CardsHome(table) - Burial(table, FoundationNeeds(table));
}

// A line of play from a table, how far it came, and the cards it held back before its actions.
struct Rollout {
    std::vector<PlayAction> line;
    int score = std::numeric_limits<int>::min();
    bool won = false;
    std::vector<std::pair<std::size_t, int>> holds; // before the action of that index, the card
};

// How often a playout holds back a card that could go home while its twin is away, so that
// playouts from one table differ.
struct Noise {
    std::mt19937_64 rng;
    unsigned percent = 0;

    bool HoldsBack() { return percent > 0 && rng() % 100 < percent; }
};

// Plays on until the game is won or nothing moves: the best move home, else a stock click; now
// and then, by the noise, the best card is held back instead while its twin is away.
Rollout PolicyPlayout(RolloutTable state, long long& examined, Noise& noise)
{
    Rollout rollout;
    bool choiceMatters = false;
    while (rollout.line.size() < kPlayoutLength) {
        const std::vector<HomeMove> moves = state.MovesHome(choiceMatters);
        if (!moves.empty() && noise.HoldsBack() && TwinAwayFromHome(state.table, moves.front().action.card)) {
            state.held.push_back(moves.front().action.card);
            continue;
        }
        const PlayAction action = moves.empty() ? PlayAction{ActionKind::Stock} : moves.front().action;
        if (!state.Perform(action, examined))
            break;
        rollout.line.push_back(action);
        if (IsGameWon(state.table)) {
            rollout.won = true;
            break;
        }
    }
    rollout.score = RolloutScore(state.table);
    return rollout;
}

// A search of rollouts. Wherever the choice among the moves home decides something (two cards
// want one foundation, one card two foundations, the best card's twin is still away so that the
// card leaves the other foundation to it, or the stock is out and what stays on the table makes
// the next stock), each move, and holding the best card back until the next stock click, is
// tried with a playout after it, and the line follows the best rollout met so far; elsewhere it
// plays the best move home, else clicks the stock. It proves nothing; a won rollout is the line.
Rollout SearchRollouts(RolloutTable state, long long& examined, long long nodeLimit, SearchBudget& budget, Noise& noise)
{
    Rollout best;
    std::vector<PlayAction> played;
    std::vector<std::pair<std::size_t, int>> holds;
    bool choiceMatters = false;
    const auto consider = [&](const Rollout& after, std::optional<PlayAction> first, std::optional<int> held) {
        if (!after.won && after.score <= best.score)
            return;
        best.line = played;
        best.holds = holds;
        if (held)
            best.holds.emplace_back(played.size(), *held);
        if (first)
            best.line.push_back(*first);
        for (const auto& [at, card] : after.holds)
            best.holds.emplace_back(best.line.size() + at, card);
        best.line.insert(best.line.end(), after.line.begin(), after.line.end());
        best.score = after.score;
        best.won = after.won;
    };
    while (played.size() < kPlayoutLength && !budget.Spent() && examined < nodeLimit) {
        const std::vector<HomeMove> moves = state.MovesHome(choiceMatters);
        const bool passEnds = state.table.piles.Stock().empty() && RedealAllowed(state.table);
        if (!moves.empty() && (choiceMatters || passEnds || TwinAwayFromHome(state.table, moves.front().action.card))) {
            for (const HomeMove& move : moves) {
                RolloutTable next = state;
                if (!next.Perform(move.action, examined))
                    continue;
                const bool won = IsGameWon(next.table);
                consider(won ? Rollout{{}, RolloutScore(next.table), true, {}} : PolicyPlayout(std::move(next), examined, noise),
                         move.action, std::nullopt);
                if (best.won || budget.Spent() || examined >= nodeLimit)
                    return best;
                if (!choiceMatters)
                    break;
            }
            RolloutTable holding = state;
            holding.held.push_back(moves.front().action.card);
            consider(PolicyPlayout(std::move(holding), examined, noise), std::nullopt, moves.front().action.card);
        }
        const std::size_t at = played.size();
        const bool followsBest = best.line.size() > at;
        for (const auto& [step, card] : best.holds)
            if (followsBest && step == at) {
                holds.emplace_back(step, card);
                state.held.push_back(card);
            }
        const PlayAction action = followsBest    ? best.line[at]
                                  : moves.empty() ? PlayAction{ActionKind::Stock}
                                                  : moves.front().action;
        if (!state.Perform(action, examined))
            break;
        played.push_back(action);
        if (IsGameWon(state.table))
            break;
    }
    consider(Rollout{{}, RolloutScore(state.table), IsGameWon(state.table), {}}, std::nullopt, std::nullopt);
    return best;
}

// The share of the budget (one in so many) kept from the rollouts for the searches that may prove
// a deal lost; how often the rollouts hold a card back after their first search.
constexpr int kRolloutShare = 4;
constexpr unsigned kHoldBackPercent = 10;

// Searches of rollouts until one wins or the budget is spent: the first plays its rollouts as
// they come; the others, the noise drawn on from a seed of the table, hold back a card now and then.
bool RollOutWithin(const GameContext& start, const SolverOptions& options, SolveResult& result)
{
    SearchBudget budget(options, 1);
    Noise noise{std::mt19937_64(PositionKey(start)), 0};
    while (result.nodes < options.nodeLimit && !budget.Spent()) {
        const Rollout rollout = SearchRollouts(RolloutTable{start, {}}, result.nodes, options.nodeLimit, budget, noise);
        if (rollout.won) {
            result.line = rollout.line;
            return true;
        }
        noise.percent = kHoldBackPercent;
    }
    return false;
}

// The searches that may prove a deal lost, each with its share of the budget, and nested
// playouts among them.
SolveResult DecidingSearches(const GameContext& start, const SolverOptions& options)
{
    SolveResult result;
    // Where the tableau only holds cards for the foundations, an early misplaced card loses the
    // game many actions later, out of reach of a plain depth-first search: there every
    // alternative shares what its line has left throughout, with the foundations' wants as guide.
    // A quarter of the time is kept for nested playouts, should that search not decide.
    if (TableauHoldsOnlyIncomingCards(start)) {
        SolverOptions first = options;
        first.timeLimit = options.timeLimit - options.timeLimit / kProbeShare;
        SearchBudget budget(first, 1);
        result.verdict = DepthFirst(start, first, budget, true, true, first.nodeLimit, result);
        if (result.verdict == SolveVerdict::Unknown && PlayOutWithin(start, options, kProbeShare, result))
            result.verdict = SolveVerdict::Won;
        return result;
    }
    // Elsewhere a plain depth-first search still often buries itself under one early choice.
    // Where the measure of progress fits the game, beams led by it go first, following many lines
    // at once and as deep as they go: with a quarter of the budget where sets are taken off the
    // table, since there the searches after them often prove a deal lost; with three quarters
    // where cards are put in their cells or suits gathered on their piles, whose wins lie too deep
    // for those searches. A quarter of the budget (a sixteenth after three quarters of beams)
    // goes to searches whose alternatives share (the allowance doubling from search to search,
    // each starting afresh, since a line cut short leaves its positions unsearched), as much to
    // nested playouts, and the rest to the plain search, whose running dry proves the deal lost.
    const int beamQuarters = !BeamFits(start) ? 0 : LeftClickSelects(start.rules) ? 1 : 3;
    if (beamQuarters > 0) {
        SolverOptions part = options;
        part.nodeLimit = options.nodeLimit / 4 * beamQuarters;
        part.timeLimit = options.timeLimit * beamQuarters / 4;
        SearchBudget beamBudget(part, 1);
        // A deal that the first narrow search decides at once needs no beam.
        result.verdict = DepthFirst(start, part, beamBudget, false, true, kFirstAllowance, result);
        if (result.verdict != SolveVerdict::Unknown)
            return result;
        result.line.clear();
        result.verdict = BeamsWithin(start, part, beamBudget, result);
        if (result.verdict != SolveVerdict::Unknown)
            return result;
    }
    // Where the beams took three quarters, the searches after them share the last quarter alike.
    SolverOptions others = options;
    others.timeLimit = beamQuarters == 3 ? options.timeLimit / 4 : options.timeLimit;
    SolverOptions probes = others;
    probes.nodeLimit = std::min(result.nodes + options.nodeLimit / kProbeShare, options.nodeLimit);
    probes.timeLimit = others.timeLimit / kProbeShare;
    SearchBudget probeBudget(probes, 1);
    for (long long allowance = kFirstAllowance; result.nodes < probes.nodeLimit && !probeBudget.Spent(); allowance *= 2) {
        result.line.clear();
        result.verdict = DepthFirst(start, probes, probeBudget, false, true, allowance, result);
        if (result.verdict != SolveVerdict::Unknown)
            return result;
    }
    // Nested playouts prove nothing but hold long lines to the end.
    if (PlayOutWithin(start, others, kProbeShare, result)) {
        result.verdict = SolveVerdict::Won;
        return result;
    }
    SolverOptions rest = options;
    rest.timeLimit = options.timeLimit - options.timeLimit * beamQuarters / 4 - 2 * probes.timeLimit;
    SearchBudget budget(rest, 1);
    result.line.clear();
    result.verdict = DepthFirst(start, options, budget, false, false, options.nodeLimit, result);
    return result;
}

} // namespace

SolveResult SearchByActions(const GameContext& context, const SolverOptions& options)
{
    SilentPresentation silent;
    GameContext start = QuietCopy(context, silent);
    ClearHistory(start, true);
    if (IsGameWon(start)) {
        SolveResult result;
        result.verdict = SolveVerdict::Won;
        return result;
    }
    if (!OnlyHomeMovesChoose(start) || start.rules[rule::PackSize] <= 52)
        return DecidingSearches(start, options);
    // Where the only choices are the cards sent home and when to deal, and every card has a twin
    // that takes the other foundation of its suit and rank, a mistake shows passes later and the
    // positions are far too many to search through: nested rollouts, which play every line to its
    // end but prove nothing, take most of the budget first; the searches that may prove the deal
    // lost keep the rest.
    SolverOptions part = options;
    part.nodeLimit = options.nodeLimit - options.nodeLimit / kRolloutShare;
    part.timeLimit = options.timeLimit - options.timeLimit / kRolloutShare;
    SolveResult rollouts;
    if (RollOutWithin(start, part, rollouts)) {
        rollouts.verdict = SolveVerdict::Won;
        return rollouts;
    }
    SolverOptions rest = options;
    rest.nodeLimit = options.nodeLimit - rollouts.nodes;
    rest.timeLimit = options.timeLimit - part.timeLimit;
    SolveResult result = DecidingSearches(start, rest);
    result.nodes += rollouts.nodes;
    return result;
}

} // namespace marlowe
