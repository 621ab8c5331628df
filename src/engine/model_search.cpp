#include "engine/model_search.h"

#include "engine/card_model.h"
#include "engine/search_budget.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <unordered_set>

namespace marlowe {

namespace {

// A position met by the search: where it came from and by which move.
struct Visit {
    std::uint32_t parent;
    ModelMove move;
};

struct Waiting {
    int distance;
    std::uint32_t node;
    // The nearest first; of equals the newest, so that the search goes deep along a line.
    bool operator<(const Waiting& other) const
    {
        return distance != other.distance ? distance > other.distance : node < other.node;
    }
};

class ModelSearch {
public:
    ModelSearch(const CardModel& model, const SolverOptions& options)
        : model_(model), options_(options), budget_(options.timeLimit, options.stop), size_(model.PackedSize())
    {
    }

    // Searches from start; the moves of a winning line, or nothing.
    std::optional<std::vector<ModelMove>> Run(const ModelPosition& start, long long& nodes)
    {
        if (model_.IsWon(start))
            return std::vector<ModelMove>{};
        seen_.insert(model_.Key(start));
        Store(start, {0, {}});
        waiting_.push({model_.Distance(start), 0});
        ModelPosition position;
        std::vector<ModelMove> moves;
        while (!waiting_.empty()) {
            if (OutOfBudget())
                break;
            const std::uint32_t node = waiting_.top().node;
            waiting_.pop();
            model_.Unpack(&packed_[node * size_], position);
            model_.Moves(position, moves);
            const auto safe = std::find_if(moves.begin(), moves.end(),
                                           [&](const ModelMove& move) { return model_.IsSafeHomeMove(position, move); });
            if (safe != moves.end())
                moves = {*safe};
            for (const ModelMove& move : moves) {
                if (OutOfBudget())
                    break;
                ModelPosition child = position;
                model_.Apply(child, move);
                if (!seen_.insert(model_.Key(child)).second)
                    continue;
                const auto index = static_cast<std::uint32_t>(visits_.size());
                Store(child, {node, move});
                if (model_.IsWon(child)) {
                    nodes = static_cast<long long>(visits_.size());
                    return LineTo(index);
                }
                waiting_.push({model_.Distance(child), index});
            }
        }
        nodes = static_cast<long long>(visits_.size());
        return std::nullopt;
    }

    bool Exhausted() const { return exhausted_; }

private:
    bool OutOfBudget()
    {
        if (static_cast<long long>(visits_.size()) >= options_.nodeLimit || budget_.Spent())
            exhausted_ = false;
        return !exhausted_;
    }

    void Store(const ModelPosition& position, Visit visit)
    {
        packed_.resize(packed_.size() + size_);
        model_.Pack(position, &packed_[packed_.size() - size_]);
        visits_.push_back(visit);
    }

    std::vector<ModelMove> LineTo(std::uint32_t node) const
    {
        std::vector<ModelMove> line;
        for (; node != 0; node = visits_[node].parent)
            line.push_back(visits_[node].move);
        std::reverse(line.begin(), line.end());
        return line;
    }

    const CardModel& model_;
    const SolverOptions& options_;
    SearchBudget budget_;
    std::size_t size_;
    std::vector<std::uint8_t> packed_;
    std::vector<Visit> visits_;
    std::unordered_set<std::uint64_t> seen_;
    std::priority_queue<Waiting> waiting_;
    bool exhausted_ = true;
};

} // namespace

SolveResult SearchModel(const GameContext& context, const CardModel& model, const SolverOptions& options)
{
    SolveResult result;
    ModelPosition position = model.Read(context);
    ModelSearch search(model, options);
    const auto line = search.Run(position, result.nodes);
    if (!line) {
        if (search.Exhausted())
            result.verdict = SolveVerdict::Unwinnable;
        return result;
    }
    for (const ModelMove& move : *line) {
        result.line.push_back(model.ActionOf(position, move));
        model.Apply(position, move);
    }
    result.verdict = SolveVerdict::Won;
    return result;
}

} // namespace marlowe
