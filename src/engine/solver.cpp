#include "engine/solver.h"

#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/legality.h"
#include "engine/memory_games.h"
#include "engine/move_finder.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/pointer.h"
#include "engine/presentation.h"
#include "engine/selection.h"
#include "engine/stock.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <unordered_set>

namespace marlowe {

namespace {

// Shows nothing and answers questions as the headless presentation does by default, so that
// the search sees the same game the protocol later replays.
class SilentPresentation final : public Presentation {
public:
    void ShowInfo(const std::string&) override {}
    void ShowError(const std::string&, const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    bool ShowAdvice(const std::string&) override { return false; }
    int ScreenWidth() const override { return 1280; }
    void ShowScore(int) override {}
    void SetTitle(const std::string&) override {}
    void UpdateCommands() override {}
    void DrawTable(bool) override {}
    void DrawPile(PileRef) override {}
    void GlideCard(int, PileRef, PileRef) override {}
    void FlipCard(int, PileRef) override {}
    void DrawStockButton(PileRef, bool) override {}
    void PlaySound(std::string_view, bool) override {}
    void StopSound() override {}
    void Beep() override {}
    void Wait(int, bool) override {}
    void CelebrateWin() override {}
    void OpenGameSelection() override {}
};

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

// The drops of count cards from element at (the card) of pile. Of the moves the move finder
// calls pointless only one is kept: a run carried from a card it does not make one run with
// onto a card it does (in Spider, onto its own suit). A card taken back from a foundation
// ranks last. Of several empty piles of one kind only the first is tried.
void AddDrops(GameContext& context, PileRef from, int at, int card, int count, std::vector<Ranked>& out)
{
    const bool fromTableau = from.group == PileGroup::Tableaus;
    for (const PileGroup group : {PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves}) {
        bool emptyTried = false;
        for (int slot = 0; slot < UsedPiles(context, group); ++slot) {
            const PileRef to{group, slot};
            if (to == from)
                continue;
            const bool empty = context.piles[to].empty();
            if (empty && (emptyTried || (fromTableau && at == 0 && group == PileGroup::Tableaus) ||
                          (group == PileGroup::Reserves && from.group == group)))
                continue;
            if (!CanDropOnPile(context, card, PileName(to), count))
                continue;
            emptyTried = emptyTried || (empty && group != PileGroup::Foundations);
            const DropCandidate destination{KindOfGroup(group), slot, 1};
            const PlayAction drop{ActionKind::Drop, card, to};
            if (from.group == PileGroup::Foundations) {
                out.push_back({Rank(MoveBand::Pointless), drop});
                continue;
            }
            MoveBand band = BandOfMove(context, from, card, destination);
            const bool joins = fromTableau && group == PileGroup::Tableaus && !empty && JoinsRun(context, from, at, to);
            if (band == MoveBand::Pointless) {
                if (!joins || RestsOnRun(context, from, at))
                    continue;
                band = MoveBand::TableauShift;
            }
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
// whose selection still may make a set, those completing a set first.
void AddSelectingClicks(GameContext& context, std::vector<Ranked>& out)
{
    const std::vector<int> selected = SelectedCards(context);
    const auto addPile = [&](PileRef pile) {
        for (const int card : PileCodes(context.piles[pile])) {
            if (card <= 0 || !SelectableCard(context, pile, card) ||
                std::find(selected.begin(), selected.end(), card) != selected.end())
                continue;
            std::vector<int> grown = selected;
            grown.push_back(card);
            const SelectionVerdict verdict = JudgeSelection(context, grown);
            if (verdict != SelectionVerdict::Invalid)
                out.push_back({Rank(verdict == SelectionVerdict::Complete ? MoveBand::ToFoundation : MoveBand::Uncovers),
                               PlayAction{ActionKind::Click, card}});
        }
    };
    addPile({PileGroup::StockGroup, kWasteSlot});
    for (const PileGroup group : {PileGroup::Tableaus, PileGroup::Reserves, PileGroup::Foundations})
        for (int slot = group == PileGroup::Foundations ? 1 : 0; slot < UsedPiles(context, group); ++slot)
            addPile({group, slot});
}

// The clicks of a memory game: every face-down tableau card may be turned.
void AddMemoryClicks(GameContext& context, std::vector<Ranked>& out)
{
    for (int k = 0; k < UsedPiles(context, PileGroup::Tableaus); ++k)
        for (const int card : PileCodes(context.piles.tableaus[static_cast<std::size_t>(k)]))
            if (card > 0 && context.cards.IsFaceDown(card))
                out.push_back({Rank(MoveBand::Uncovers), PlayAction{ActionKind::Click, card}});
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

// How far the table has come, to try the better of equally ranked moves first: cards on the
// foundations, few cards left in the tableau and reserves, none face down, long runs on top of
// the tableau piles, empty tableau piles.
int Progress(const GameContext& context)
{
    // The games that take sets off the table count the cards gone, and a selection half made.
    if (IsSelectionGame(context) || IsMemoryGame(context))
        return 20 * ElementCount(context.piles.stockGroup[kSecondWasteSlot]) +
               static_cast<int>(SelectedCards(context).size());
    int score = 0;
    for (int f = 0; f < UsedPiles(context, PileGroup::Foundations); ++f)
        score += 20 * ElementCount(context.piles.foundations[static_cast<std::size_t>(f)]);
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

std::vector<Ranked> RankedCandidates(GameContext& context)
{
    std::vector<Ranked> ranked;
    if (IsSelectionGame(context)) {
        AddSelectingClicks(context, ranked);
    } else if (IsMemoryGame(context)) {
        AddMemoryClicks(context, ranked);
    } else {
        if (context.rules[rule::WasteFaceDown] == 0)
            AddPileActions(context, {PileGroup::StockGroup, kWasteSlot}, ranked);
        for (const PileGroup group : {PileGroup::Reserves, PileGroup::Tableaus, PileGroup::Foundations})
            for (int slot = 0; slot < UsedPiles(context, group); ++slot)
                AddPileActions(context, {group, slot}, ranked);
    }
    if (context.rules[rule::StockGroupCount] > 0 || context.rules[rule::RedealStyle] >= 1 ||
        !context.piles.Stock().empty())
        ranked.push_back({kStockRank, PlayAction{ActionKind::Stock}});
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    return ranked;
}

// A copy of the context that shows nothing and records no game.
GameContext QuietCopy(const GameContext& context, Presentation& presentation)
{
    GameContext copy = context;
    copy.SetPresentation(presentation);
    copy.recordGame = nullptr;
    copy.secondOfDay = nullptr;
    return copy;
}

bool WinsFrom(const GameContext& start, const std::vector<PlayAction>& actions)
{
    SilentPresentation silent;
    GameContext replay = QuietCopy(start, silent);
    for (const auto& action : actions)
        if (!PerformAction(replay, action))
            return false;
    return IsGameWon(replay);
}

// A table reached by one action, waiting to be searched from.
struct Child {
    PlayAction action;
    std::optional<GameContext> table; // dropped once searched from
    int rank = 0;
    int progress = 0;
};

// The search's bookkeeping: the positions seen and the positions counted against the limit.
class Search {
public:
    Search(const SolverOptions& options, SolveResult& result) : options_(options), result_(result) {}

    bool Seen(const GameContext& table) { return !visited_.insert(PositionKey(table)).second; }

    // The tables one action away that were never seen, best first; or, when an action wins,
    // nothing and that action in winning.
    std::vector<Child> Expand(GameContext& table, std::optional<PlayAction>& winning)
    {
        std::vector<Child> children;
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
            const int progress = Progress(next);
            children.push_back({candidate.action, std::move(next), candidate.rank, progress});
        }
        std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
            return a.rank != b.rank ? a.rank < b.rank : a.progress > b.progress;
        });
        return children;
    }

    bool OutOfNodes() const { return result_.nodes >= options_.nodeLimit; }

private:
    const SolverOptions& options_;
    SolveResult& result_;
    std::unordered_set<std::uint64_t> visited_;
};

struct Frame {
    std::vector<Child> children;
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

SolveResult Solve(const GameContext& context, const SolverOptions& options)
{
    SolveResult result;
    SilentPresentation silent;
    GameContext start = QuietCopy(context, silent);
    ClearHistory(start, true);
    if (IsGameWon(start)) {
        result.solved = true;
        return result;
    }
    Search search(options, result);
    search.Seen(start);
    result.nodes = 1;
    std::optional<PlayAction> winning;
    std::deque<Frame> path; // the line of play being searched: one frame per action
    path.push_back({search.Expand(start, winning)});

    while (!path.empty() && !winning && !search.OutOfNodes()) {
        Frame& frame = path.back();
        if (frame.next == frame.children.size() || path.size() > options.depthLimit) {
            path.pop_back();
            continue;
        }
        Child& child = frame.children[frame.next++];
        std::vector<Child> grandchildren = search.Expand(*child.table, winning);
        child.table.reset();
        path.push_back({std::move(grandchildren)});
    }
    if (!winning)
        return result;

    std::vector<PlayAction> line;
    for (const Frame& step : path)
        if (step.next > 0)
            line.push_back(step.children[step.next - 1].action);
    line.push_back(*winning);
    if (WinsFrom(context, line)) {
        result.solved = true;
        for (const auto& action : line)
            result.actions.push_back(ActionText(action));
    }
    return result;
}

} // namespace marlowe
