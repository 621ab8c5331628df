#pragma once
// The search over the player's actions that plays every game the engine knows: a depth-first
// search through copies of the context, best moves first by the move finder's progress bands
// and then by how far the table has come, that never visits a position twice. It is slow (each
// step is a whole engine action on a whole context) but asks nothing of a game beyond what the
// window asks, so it serves the games the card model of the fast search cannot describe.
// Where the measure of progress fits the game (sets taken off the table, cards in their cells,
// suits gathered on their piles), beams led by it run first; then searches in which early
// alternatives share the budget, then nested playouts. Only a search that cut no line short, or
// a beam that left no table out, proves a deal lost.

#include "engine/solver.h"

namespace marlowe {

// The verdict and, for a win, the line (not yet replayed) from the context's table.
SolveResult SearchByActions(const GameContext& context, const SolverOptions& options);

// The actions worth trying on the table now, best first. Drops go from every card the
// pointer may pick to every foundation, tableau pile and reserve that accepts it, leaving out
// only moves that change nothing of substance: a whole pile carried to an empty pile alike (one
// of the same kind and the same rules), and a second empty pile alike for one card. The moves
// the move finder calls pointless (a run shifted between like places) come last, since in a
// game of single cards they uncover the card beneath. A stock click is offered when the
// game has a stock or a redeal of its own; a click when it plays the card or may turn a
// face-down top card. A selection game is played by clicks that select a card, a memory game by
// clicks that turn a face-down card. Whether an action really changes the table is known only
// by carrying it out.
std::vector<PlayAction> CandidateActions(GameContext& context);

} // namespace marlowe
