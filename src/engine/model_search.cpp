#include "engine/model_search.h"

#include "engine/card_model.h"
#include "engine/search_budget.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <queue>

namespace marlowe {

namespace {

// Scans led by different weightings of the distance, each with its own record of positions
// met: one that is lost in a deal is often quick in another, so they take turns with doubling
// shares. The first scan goes on to the end; the others stop at a cap, so that proving a deal
// lost costs little more than one scan.
constexpr DistanceWeights kScans[] = {
    {10, 6, 20, 6, 8, 4},
    {10, 6, 8, 6, 8, 4},
    {5, 6, 8, 6, 8, 0},
    {10, 0, 0, 3, 3, 10},
};
constexpr long long kSideScanCap = 100000;
constexpr long long kFirstShare = 2000; // positions each scan stores in the first round

// The keys of the positions a scan has met: open addressing in one flat table, twice as large
// as what it holds. Key 0 marks a free slot, so a key 0 is stored as 1.
class KeySet {
public:
    // True when the key is new (and now held).
    bool Insert(std::uint64_t key)
    {
        key += key == 0 ? 1 : 0;
        if (2 * (count_ + 1) > slots_.size())
            Grow();
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = key & mask;; at = (at + 1) & mask) {
            if (slots_[at] == key)
                return false;
            if (slots_[at] == 0) {
                slots_[at] = key;
                ++count_;
                return true;
            }
        }
    }

private:
    void Grow()
    {
        std::vector<std::uint64_t> old(std::max<std::size_t>(slots_.size() * 2, 1 << 10), 0);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const std::uint64_t key : old)
            if (key != 0) {
                std::size_t at = key & mask;
                while (slots_[at] != 0)
                    at = (at + 1) & mask;
                slots_[at] = key;
            }
    }

    std::vector<std::uint64_t> slots_;
    std::size_t count_ = 0;
};

// A position met by a scan: where it came from and by which move.
struct Visit {
    std::uint32_t parent;
    ModelMove move;
};

struct Waiting {
    int distance;
    std::uint32_t node;
    // The nearest first; of equals the newest, so that the scan goes deep along a line.
    bool operator<(const Waiting& other) const
    {
        return distance != other.distance ? distance > other.distance : node < other.node;
    }
};

// One best-first scan, resumable: it runs until it has stored a given number of positions.
// It leaves out only moves proved safe to leave, so a scan that runs dry proves the deal lost.
class Scan {
public:
    enum class State { Searching, Won, Exhausted };

    Scan(const CardModel& model, const DistanceWeights& weights, const ModelPosition& start)
        : model_(model), weights_(weights), size_(model.PackedSize())
    {
        seen_.Insert(model_.Key(start));
        Store(start, {0, {}});
        if (model_.IsWon(start))
            state_ = State::Won;
        else if (!model_.IsDead(start)) // children are tested by the piles their moves change
            waiting_.push({model_.Distance(start, weights_), 0});
    }

    // Searches until the scan holds stored positions, the budget is spent, or it is decided.
    State Advance(long long stored, SearchBudget& budget)
    {
        ModelPosition position;
        PileHashes hashes{};
        PileHashes childHashes{};
        std::vector<ModelMove> moves;
        while (state_ == State::Searching && Stored() < stored && !budget.Spent()) {
            if (waiting_.empty()) {
                state_ = State::Exhausted;
                break;
            }
            const Waiting next = waiting_.top();
            waiting_.pop();
            model_.Unpack(PackedAt(next.node), position);
            model_.HashPiles(position, hashes, kAllPiles);
            model_.Moves(position, moves);
            const auto safe = std::find_if(moves.begin(), moves.end(),
                                           [&](const ModelMove& move) { return model_.IsSafeHomeMove(position, move); });
            if (safe != moves.end())
                moves = {*safe};
            for (const ModelMove& move : moves) {
                if (Stored() >= stored) {
                    waiting_.push(next); // taken up again later; the children stored stay seen
                    break;
                }
                ModelPosition child = position;
                const PileSet changed = model_.Apply(child, move);
                std::copy_n(hashes.begin(), model_.PileCount(), childHashes.begin()); // the model's piles only
                model_.HashPiles(child, childHashes, changed);
                if (!seen_.Insert(model_.KeyOf(child, childHashes)) || model_.IsDead(child, changed))
                    continue;
                const auto index = static_cast<std::uint32_t>(visits_.size());
                Store(child, {next.node, move});
                if (model_.IsWon(child)) {
                    state_ = State::Won;
                    won_ = index;
                    break;
                }
                waiting_.push({model_.Distance(child, weights_), index});
            }
        }
        return state_;
    }

    long long Stored() const { return static_cast<long long>(visits_.size()); }

    // The moves from the start to the won position.
    std::vector<ModelMove> WinningLine() const
    {
        std::vector<ModelMove> line;
        for (std::uint32_t node = won_; node != 0; node = visits_[node].parent)
            line.push_back(visits_[node].move);
        std::reverse(line.begin(), line.end());
        return line;
    }

private:
    void Store(const ModelPosition& position, Visit visit)
    {
        // Blocks of a fixed size: the stored positions are never copied as the scan grows.
        const std::size_t node = visits_.size();
        if (node % kBlockPositions == 0)
            blocks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(kBlockPositions * size_));
        model_.Pack(position, PackedAt(node));
        visits_.push_back(visit);
    }

    std::uint8_t* PackedAt(std::size_t node) const
    {
        return blocks_[node / kBlockPositions].get() + node % kBlockPositions * size_;
    }

    const CardModel& model_;
    DistanceWeights weights_;
    std::size_t size_;
    static constexpr std::size_t kBlockPositions = 1 << 14;
    std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
    std::vector<Visit> visits_;
    KeySet seen_;
    std::priority_queue<Waiting> waiting_;
    State state_ = State::Searching;
    std::uint32_t won_ = 0;
};

} // namespace

SolveResult SearchModel(const GameContext& context, const CardModel& model, const SolverOptions& options)
{
    SolveResult result;
    ModelPosition position = model.Read(context);
    SearchBudget budget(options);
    std::vector<std::unique_ptr<Scan>> scans;
    for (const DistanceWeights& weights : kScans)
        scans.push_back(std::make_unique<Scan>(model, weights, position));
    // Positions stored by every scan, the start counted once; a side scan at its cap is dropped.
    long long spent = 1;
    std::vector<std::vector<ModelMove>> lines;
    Scan::State state = Scan::State::Searching;
    for (long long share = kFirstShare; state == Scan::State::Searching && !scans.empty(); share *= 2) {
        for (std::size_t k = 0; k < scans.size() && state == Scan::State::Searching;) {
            Scan& scan = *scans[k];
            const long long before = scan.Stored();
            const long long cap = k == 0 ? options.nodeLimit : kSideScanCap;
            state = scan.Advance(std::min({before + share, before + options.nodeLimit - spent, cap}), budget);
            spent += scan.Stored() - before;
            if (state == Scan::State::Won)
                lines.push_back(scan.WinningLine());
            if (k > 0 && state == Scan::State::Searching && scan.Stored() >= cap)
                scans.erase(scans.begin() + static_cast<std::ptrdiff_t>(k));
            else
                ++k;
        }
        if (budget.WasSpent() || spent >= options.nodeLimit)
            break;
    }
    result.nodes = spent;
    if (state == Scan::State::Exhausted)
        result.verdict = SolveVerdict::Unwinnable;
    if (state != Scan::State::Won)
        return result;
    for (const ModelMove& move : lines.front()) {
        for (const PlayAction& action : model.ActionsOf(position, move))
            result.line.push_back(action);
        model.Apply(position, move);
    }
    result.verdict = SolveVerdict::Won;
    return result;
}

} // namespace marlowe
