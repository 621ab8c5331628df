#pragma once
// What a search may spend besides positions: a time limit and a stop request. Asking the clock
// costs more than a move, so it is read only every so many questions.

#include <chrono>
#include <stop_token>

namespace marlowe {

class SearchBudget {
public:
    SearchBudget(std::chrono::milliseconds timeLimit, std::stop_token stop)
        : stop_(std::move(stop)), limited_(timeLimit.count() > 0),
          deadline_(std::chrono::steady_clock::now() + timeLimit)
    {
    }

    // True once the time is up or a stop was asked for; it stays true.
    bool Spent()
    {
        if (spent_ || ++asked_ % 256 != 0)
            return spent_;
        spent_ = stop_.stop_requested() || (limited_ && std::chrono::steady_clock::now() >= deadline_);
        return spent_;
    }
    bool WasSpent() const { return spent_; }

private:
    std::stop_token stop_;
    bool limited_;
    std::chrono::steady_clock::time_point deadline_;
    unsigned asked_ = 0;
    bool spent_ = false;
};

} // namespace marlowe
