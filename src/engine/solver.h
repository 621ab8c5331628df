#pragma once
// A solver for the running game: a depth-first search over the player's actions (drops,
// clicks that play a card by themselves, stock clicks), best moves first by the move finder's
// progress bands and then by how far the table has come, that never visits a position twice.
// It works on copies of the context, so the game itself is untouched, and answers with the
// actions in the play protocol's words.

#include "engine/play_actions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace marlowe {

class GameContext;

struct SolverOptions {
    long long nodeLimit = 200000; // tables examined before the search gives up
    std::size_t depthLimit = 600; // actions in one line of play before the search turns back
};

struct SolveResult {
    bool solved = false;
    std::vector<std::string> actions; // the winning actions, in the play protocol's words
    std::vector<PlayAction> line;     // the same actions, to be carried out with PerformAction
    long long nodes = 0;              // tables examined
};

// Searches for actions that win the game from the current table. A found list has been
// replayed on a fresh copy of the context and wins there.
SolveResult Solve(const GameContext& context, const SolverOptions& options = {});

// The actions worth trying on the table now, best first. Drops go from every card the
// pointer may pick to every foundation, tableau pile and reserve that accepts it, leaving out
// moves that change nothing of substance: those the move finder never offers (a whole pile
// onto an empty pile, a run shifted between like places, a reserve card to another reserve)
// and a second empty pile of the same kind for one card. A stock click is offered when the
// game has a stock or a redeal of its own; a click when it plays the card or may turn a
// face-down top card. A selection game is played by clicks that select a card, a memory game by
// clicks that turn a face-down card. Whether an action really changes the table is known only
// by carrying it out.
std::vector<PlayAction> CandidateActions(GameContext& context);

} // namespace marlowe
