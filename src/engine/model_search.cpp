#include "engine/model_search.h"

#include "engine/card_model.h"
#include "engine/search_budget.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <queue>
#include <unordered_set>

namespace marlowe {

namespace {

// Weightings of the distance, each leading a frontier of its own: one that is lost in a deal
// is often quick in another, so they take turns with doubling shares of the budget.
constexpr DistanceWeights kFrontiers[] = {
    {10, 6, 20, 6, 8, 4},
    {10, 6, 8, 6, 8, 4},
    {5, 6, 8, 6, 8, 0},
};
constexpr std::size_t kFrontierCount = std::size(kFrontiers);
constexpr long long kFirstShare = 4000; // positions each frontier may add in the first round

// A position met by the search: where it came from and by which move.
struct Visit {
    std::uint32_t parent;
    ModelMove move;
};

struct Waiting {
    int distance;
    std::uint32_t node;
    // The nearest first; of equals the newest, so that a frontier goes deep along a line.
    bool operator<(const Waiting& other) const
    {
        return distance != other.distance ? distance > other.distance : node < other.node;
    }
};

// One search with several frontiers. Every position is stored once and waits in the frontier
// of the weighting that found it, so the frontiers together hold every position met and not
// yet expanded: when all are empty, everything reachable has been searched.
class ModelSearch {
public:
    enum class State { Searching, Won, Exhausted };

    ModelSearch(const CardModel& model, const ModelPosition& start) : model_(model), size_(model.PackedSize())
    {
        seen_.insert(model_.Key(start));
        Store(start, {0, {}});
        if (model_.IsWon(start))
            state_ = State::Won;
        else
            frontiers_[0].push({model_.Distance(start, kFrontiers[0]), 0});
    }

    // Expands positions of one frontier until the search holds stored positions, the budget
    // is spent, or the search is decided.
    State Advance(std::size_t frontier, long long stored, SearchBudget& budget)
    {
        auto& waiting = frontiers_[frontier];
        ModelPosition position;
        std::vector<ModelMove> moves;
        while (state_ == State::Searching && !waiting.empty() && Stored() < stored && !budget.Spent()) {
            const Waiting next = waiting.top();
            waiting.pop();
            model_.Unpack(&packed_[next.node * size_], position);
            model_.Moves(position, moves);
            const auto safe = std::find_if(moves.begin(), moves.end(),
                                           [&](const ModelMove& move) { return model_.IsSafeHomeMove(position, move); });
            if (safe != moves.end())
                moves = {*safe};
            for (const ModelMove& move : moves) {
                if (Stored() >= stored) {
                    waiting.push(next); // taken up again later; the children stored stay seen
                    break;
                }
                ModelPosition child = position;
                model_.Apply(child, move);
                if (!seen_.insert(model_.Key(child)).second)
                    continue;
                const auto index = static_cast<std::uint32_t>(visits_.size());
                Store(child, {next.node, move});
                if (model_.IsWon(child)) {
                    state_ = State::Won;
                    won_ = index;
                    break;
                }
                waiting.push({model_.Distance(child, kFrontiers[frontier]), index});
            }
        }
        if (state_ == State::Searching &&
            std::all_of(frontiers_.begin(), frontiers_.end(), [](const auto& queue) { return queue.empty(); }))
            state_ = State::Exhausted;
        return state_;
    }

    // A frontier that has run dry takes over half of the waiting positions of the fullest.
    void Rebalance()
    {
        for (auto& frontier : frontiers_) {
            if (!frontier.empty())
                continue;
            auto fullest = std::max_element(frontiers_.begin(), frontiers_.end(),
                                            [](const auto& a, const auto& b) { return a.size() < b.size(); });
            const std::size_t take = fullest->size() / 2;
            const std::size_t index = static_cast<std::size_t>(&frontier - frontiers_.data());
            ModelPosition position;
            for (std::size_t k = 0; k < take; ++k) {
                const std::uint32_t node = fullest->top().node;
                fullest->pop();
                model_.Unpack(&packed_[node * size_], position);
                frontier.push({model_.Distance(position, kFrontiers[index]), node});
            }
        }
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
        packed_.resize(packed_.size() + size_);
        model_.Pack(position, &packed_[packed_.size() - size_]);
        visits_.push_back(visit);
    }

    const CardModel& model_;
    std::size_t size_;
    std::vector<std::uint8_t> packed_;
    std::vector<Visit> visits_;
    std::unordered_set<std::uint64_t> seen_;
    std::array<std::priority_queue<Waiting>, kFrontierCount> frontiers_;
    State state_ = State::Searching;
    std::uint32_t won_ = 0;
};

} // namespace

SolveResult SearchModel(const GameContext& context, const CardModel& model, const SolverOptions& options)
{
    SolveResult result;
    ModelPosition position = model.Read(context);
    SearchBudget budget(options.timeLimit, options.stop);
    ModelSearch search(model, position);
    ModelSearch::State state = ModelSearch::State::Searching;
    for (long long share = kFirstShare; state == ModelSearch::State::Searching; share *= 2) {
        search.Rebalance();
        for (std::size_t frontier = 0; frontier < kFrontierCount && state == ModelSearch::State::Searching; ++frontier)
            state = search.Advance(frontier, std::min(search.Stored() + share, options.nodeLimit), budget);
        if (budget.WasSpent() || search.Stored() >= options.nodeLimit)
            break;
    }
    result.nodes = search.Stored();
    if (state == ModelSearch::State::Exhausted)
        result.verdict = SolveVerdict::Unwinnable;
    if (state != ModelSearch::State::Won)
        return result;
    for (const ModelMove& move : search.WinningLine()) {
        for (const PlayAction& action : model.ActionsOf(position, move))
            result.line.push_back(action);
        model.Apply(position, move);
    }
    result.verdict = SolveVerdict::Won;
    return result;
}

} // namespace marlowe
