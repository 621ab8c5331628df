#include "engine/search_budget.h"

#include "app/system_helpers.h"

namespace marlowe {

std::chrono::nanoseconds SearchBudget::Now() const
{
    return clock_ == SolverClock::Wall ? std::chrono::steady_clock::now().time_since_epoch() : ThreadProcessorTime();
}

} // namespace marlowe
