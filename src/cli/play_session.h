#pragma once
// `marlowe-cli play GAME DEALNUMBER`: a game driven by the play protocol on standard input,
// one answer line per command; blank lines and lines starting with "#" are passed over.
// `marlowe-cli solve GAME DEALNUMBER`: the actions that win the deal, one per line, and the
// verdict as a comment line that "play" passes over.

#include "engine/solver.h"

#include <istream>
#include <ostream>
#include <string>

namespace marlowe {

class TMainGame;

int RunPlaySession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                   std::istream& in, std::ostream& out, std::ostream& messages);

// Prints the winning actions, then "# won: N positions, S s", and returns 0; or prints
// "# unwinnable: ..." (every position searched) or "# unknown: ..." (the budget ran out) and
// returns 1. With autoplay the actions must be replayed with it.
int RunSolveSession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                    const SolverOptions& options, std::ostream& out, std::ostream& messages);

} // namespace marlowe
