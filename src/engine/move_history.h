#pragma once
// The move history: full snapshots of the table, one recorded before each move, from which
// any earlier table (piles and face marks) can be restored exactly. Each snapshot holds the
// 71 piles in their text form (four characters a card: code and face mark, "0000" a gap) and
// an annotation: empty, or the code of what recorded it (autoplay, a dealing click, ...).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace marlowe {

class GameContext;

// What recorded a snapshot.
enum class SnapshotTag {
    None = 0,
    Autoplay = 1,
    DealingClick = 2,
    SpecialRedeal = 3,
    Draw = 4,
};

constexpr int kSnapshotPiles = 3 + 16 + 40 + 12;

struct Snapshot {
    std::array<std::string, kSnapshotPiles> piles; // stock group, foundations, tableaus, reserves
    std::string annotation;                        // "" or a three-digit code
    // The words of the running game that moves change, so that going back restores them too:
    // passes, the deal counter, the game counters, misses and the blocked card.
    std::array<std::int16_t, 8> words{};
    bool operator==(const Snapshot&) const = default;
};

class MoveHistory {
public:
    std::size_t Size() const { return snapshots_.size(); }
    bool Empty() const { return snapshots_.empty(); }
    const Snapshot& At(std::size_t i) const { return snapshots_.at(i); }
    const Snapshot& Last() const { return snapshots_.back(); }

    void Append(Snapshot snapshot) { snapshots_.push_back(std::move(snapshot)); }
    void Clear() { snapshots_.clear(); }
    // Removes the last n snapshots (as many as there are).
    void DropLast(std::size_t n);
    // n times removes the snapshot just before the last one, so several recorded moves
    // count as one step that restores the table before the first of them.
    void DropPrevious(std::size_t n);
    // Sets the annotation of the last snapshot to the three-digit code.
    void TagLast(SnapshotTag tag);

private:
    std::vector<Snapshot> snapshots_;
};

// The text of one pile as a snapshot keeps it: code and face mark per element.
std::string PileSnapshot(const GameContext& context, const std::string& pile);
// The snapshot of the current table.
Snapshot TakeSnapshot(const GameContext& context);
// Puts the table (piles and face marks) back as the snapshot holds it.
void RestoreSnapshot(GameContext& context, const Snapshot& snapshot);

// Appends a snapshot of the current table to the undo history (or the redo history).
void RecordSnapshot(GameContext& context, bool redo = false);
void ClearRedo(GameContext& context);
// Empties the redo history, and the undo history too when both is true.
void ClearHistory(GameContext& context, bool both);
void DropLastSnapshots(GameContext& context, std::size_t n);
void DropPreviousSnapshots(GameContext& context, std::size_t n);
void TagLastSnapshot(GameContext& context, SnapshotTag tag);

// Whether the game and the player's preference allow taking moves back.
bool UndoAllowed(const GameContext& context);
// Takes back the last step: the last recorded move together with the automatic moves that
// followed it. The table it leaves goes to the redo history; the score follows the table.
// False when there is nothing to undo or undo is not allowed.
bool Undo(GameContext& context);
// Puts back the table the last Undo left. False when there is nothing to redo.
bool Redo(GameContext& context);
// Keeps the current table as the bookmark.
void InsertBookmark(GameContext& context);
// Returns to the bookmarked table, as a step that Undo can take back. False without a bookmark.
bool GoToBookmark(GameContext& context);

} // namespace marlowe
