#pragma once
// A solver for the running game: a search over the player's actions (drops, clicks that play
// a card by themselves, stock clicks), best moves first, that never visits a position twice.
// It works on copies of the context, so the game itself is untouched, and answers with a
// verdict and, for a win, the actions in the play protocol's words. It searches with autoplay
// as the context has it; callers that want a line for a player who may switch autoplay on and
// off solve a copy with autoplay off.

#include "engine/play_actions.h"

#include <chrono>
#include <cstddef>
#include <stop_token>
#include <string>
#include <vector>

namespace marlowe {

class GameContext;

// Which time a time limit counts: the wall clock (a player waits for it), or the processor
// time of the searching thread (a measurement that should not depend on what else runs).
enum class SolverClock { Wall, Cpu };

struct SolverOptions {
    long long nodeLimit = 200000;           // tables examined before the search gives up
    std::size_t depthLimit = 600;           // actions in one line of play before the search turns back
    std::chrono::milliseconds timeLimit{0}; // the time the search may take; 0: no limit
    std::stop_token stop{};                 // asked often: a stop request ends the search as unknown
    SolverClock clock = SolverClock::Wall;
};

// Won: a winning line is known. Unwinnable: every position reachable from the table was
// searched, nothing left out but moves proved to change nothing of substance. Unknown: the
// budget ran out, or the search was stopped, first.
enum class SolveVerdict { Won, Unwinnable, Unknown };

// "won", "unwinnable", "unknown".
const char* VerdictText(SolveVerdict verdict);

struct SolveResult {
    SolveVerdict verdict = SolveVerdict::Unknown;
    std::vector<std::string> actions; // the winning actions, in the play protocol's words
    std::vector<PlayAction> line;     // the same actions, to be carried out with PerformAction
    long long nodes = 0;              // tables examined
    double seconds = 0;               // time the search took

    bool Won() const { return verdict == SolveVerdict::Won; }
};

// Searches for actions that win the game from the current table. A found list has been
// replayed on a fresh copy of the context and wins there.
SolveResult Solve(const GameContext& context, const SolverOptions& options = {});

} // namespace marlowe
