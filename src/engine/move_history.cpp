#include "engine/move_history.h"

#include "app/text_helpers.h"
#include "catalogue/game_traits.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"
#include "engine/scoring.h"

#include <algorithm>

namespace marlowe {

namespace {

// The piles of the store in snapshot order.
template <typename Store, typename Visit>
void ForEachPile(Store& piles, Visit visit)
{
    std::size_t i = 0;
    for (auto& pile : piles.stockGroup)
        visit(pile, i++);
    for (auto& pile : piles.foundations)
        visit(pile, i++);
    for (auto& pile : piles.tableaus)
        visit(pile, i++);
    for (auto& pile : piles.reserves)
        visit(pile, i++);
}

constexpr std::size_t kFirstFoundation = 3;

// The game words a snapshot keeps, in a fixed order.
template <typename Game>
auto SnapshotWords(Game& game)
{
    return std::array<decltype(&game.RedealsDone), 8>{&game.RedealsDone,  &game.DealCounter, &game.GameCounter1,
                                                      &game.GameCounter2,  &game.GameCounter3, &game.GameCounter4,
                                                      &game.Misses,        &game.BlockedCard};
}

// Selection games keep their selection in foundation 1; it is not part of the table.
bool FoundationOneHoldsSelection(const GameContext& context)
{
    return IsSelectionGame(context.rules);
}

// After the table went back or forth: the score follows it and the whole table is redrawn.
void AfterHistoryStep(GameContext& context)
{
    RecomputeScore(context);
    context.flags.Set(WonMark, IsGameWon(context));
    context.presentation().DrawTable(false);
}

} // namespace

void MoveHistory::DropLast(std::size_t n)
{
    snapshots_.resize(snapshots_.size() - std::min(n, snapshots_.size()));
}

void MoveHistory::DropPrevious(std::size_t n)
{
    for (std::size_t i = 0; i < n && snapshots_.size() >= 2; ++i)
        snapshots_.erase(snapshots_.end() - 2);
}

void MoveHistory::TagLast(SnapshotTag tag)
{
    if (!snapshots_.empty())
        snapshots_.back().annotation = ZeroPad(static_cast<int>(tag), 3);
}

std::string PileSnapshot(const GameContext& context, const std::string& pile)
{
    std::string text;
    text.reserve(pile.size() / 3 * 4);
    for (int i = 0; i < ElementCount(pile); ++i) {
        const int code = ElementAt(pile, i);
        text += CodeText(code);
        text += code == 0 || context.cards.IsFaceDown(code) ? '0' : '1';
    }
    return text;
}

Snapshot TakeSnapshot(const GameContext& context)
{
    Snapshot snapshot;
    ForEachPile(context.piles, [&](const std::string& pile, std::size_t i) {
        snapshot.piles[i] = PileSnapshot(context, pile);
    });
    if (FoundationOneHoldsSelection(context))
        snapshot.piles[kFirstFoundation].clear();
    const auto words = SnapshotWords(context.mainGame);
    for (std::size_t i = 0; i < words.size(); ++i)
        snapshot.words[i] = *words[i];
    return snapshot;
}

void RestoreSnapshot(GameContext& context, const Snapshot& snapshot)
{
    ForEachPile(context.piles, [&](std::string& pile, std::size_t i) {
        const std::string& text = snapshot.piles[i];
        pile.clear();
        for (std::size_t at = 0; at + 4 <= text.size(); at += 4) {
            pile += text.substr(at, 3);
            const int code = ElementAt(text.substr(at, 3), 0);
            context.cards.SetCardFaceMark(code, text[at + 3]);
        }
    });
    const auto words = SnapshotWords(context.mainGame);
    for (std::size_t i = 0; i < words.size(); ++i)
        *words[i] = snapshot.words[i];
}

void RecordSnapshot(GameContext& context, bool redo)
{
    (redo ? context.redoHistory : context.undoHistory).Append(TakeSnapshot(context));
    context.registers.Set(redo ? reg::RedoRecorded : reg::UndoRecorded, "0");
}

void ClearRedo(GameContext& context)
{
    context.redoHistory.Clear();
    context.registers.Set(reg::RedoRecorded, "0");
}

void ClearHistory(GameContext& context, bool both)
{
    if (both)
        context.undoHistory.Clear();
    ClearRedo(context);
}

void DropLastSnapshots(GameContext& context, std::size_t n)
{
    context.undoHistory.DropLast(n);
}

void DropPreviousSnapshots(GameContext& context, std::size_t n)
{
    context.undoHistory.DropPrevious(n);
}

void TagLastSnapshot(GameContext& context, SnapshotTag tag)
{
    context.undoHistory.TagLast(tag);
}

bool UndoAllowed(const GameContext& context)
{
    return context.rules[rule::NoUndo] != 1 && context.registers.Get(reg::UndoSetting) != "2";
}

bool Undo(GameContext& context)
{
    MoveHistory& undo = context.undoHistory;
    if (undo.Empty() || !UndoAllowed(context))
        return false;
    const std::string autoplay = ZeroPad(static_cast<int>(SnapshotTag::Autoplay), 3);
    RecordSnapshot(context, true);
    // The automatic moves after a move go back with it.
    std::size_t step = 1;
    while (step < undo.Size() && undo.At(undo.Size() - step).annotation == autoplay)
        ++step;
    RestoreSnapshot(context, undo.At(undo.Size() - step));
    undo.DropLast(step);
    AfterHistoryStep(context);
    return true;
}

bool Redo(GameContext& context)
{
    MoveHistory& redo = context.redoHistory;
    if (redo.Empty() || !UndoAllowed(context))
        return false;
    const Snapshot next = redo.Last();
    redo.DropLast(1);
    RecordSnapshot(context);
    RestoreSnapshot(context, next);
    AfterHistoryStep(context);
    return true;
}

void InsertBookmark(GameContext& context)
{
    context.bookmark = TakeSnapshot(context);
}

bool GoToBookmark(GameContext& context)
{
    if (!context.bookmark || !UndoAllowed(context))
        return false;
    RecordSnapshot(context);
    ClearRedo(context);
    RestoreSnapshot(context, *context.bookmark);
    AfterHistoryStep(context);
    return true;
}

} // namespace marlowe
