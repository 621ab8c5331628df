#pragma once
// The fast search: scans over the positions of the card model taking turns with doubling shares
// of the budget: best-first ones, the position nearest a win by a weighting of the model's
// distance first; a depth-first one; and, where only complete suits go home, a beam. Positions are kept packed; a transposition table of position
// keys (alike piles unordered) keeps every position to one visit in a scan; a card that may go
// home and is never wanted back goes there before anything else is tried.

#include "engine/solver.h"

namespace marlowe {

class CardModel;

// The verdict and, for a win, the line (not yet replayed) from the context's table.
SolveResult SearchModel(const GameContext& context, const CardModel& model, const SolverOptions& options);

} // namespace marlowe
