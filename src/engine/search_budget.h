#pragma once
// What a search may spend besides positions: a time limit, on the wall clock or on the
// processor time of the searching thread, and a stop request. Asking the clock costs more than
// a move of the card model, so that search reads it only every so many questions; a search whose
// every question plays whole engine actions asks it each time.

#include "engine/solver.h"

#include <chrono>
#include <stop_token>

namespace marlowe {

class SearchBudget {
public:
    explicit SearchBudget(const SolverOptions& options, unsigned questionsPerReading = 256)
        : stop_(options.stop), limited_(options.timeLimit.count() > 0), clock_(options.clock),
          deadline_(Now() + options.timeLimit), questionsPerReading_(questionsPerReading)
    {
    }

    // True once the time is up or a stop was asked for; it stays true.
    bool Spent()
    {
        if (spent_ || ++asked_ % questionsPerReading_ != 0)
            return spent_;
        spent_ = stop_.stop_requested() || (limited_ && Now() >= deadline_);
        return spent_;
    }
    bool WasSpent() const { return spent_; }

private:
    std::chrono::nanoseconds Now() const;

    std::stop_token stop_;
    bool limited_;
    SolverClock clock_;
    std::chrono::nanoseconds deadline_;
    unsigned questionsPerReading_;
    unsigned asked_ = 0;
    bool spent_ = false;
};

} // namespace marlowe
