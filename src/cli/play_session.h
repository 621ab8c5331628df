#pragma once
// `marlowe-cli play GAME DEALNUMBER`: a game driven by the play protocol on standard input,
// one answer line per command; blank lines and lines starting with "#" are passed over.
// `marlowe-cli solve GAME DEALNUMBER`: the actions that win the deal, one per line.

#include <istream>
#include <ostream>
#include <string>

namespace marlowe {

class TMainGame;

int RunPlaySession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                   std::istream& in, std::ostream& out, std::ostream& messages);

// Prints the winning actions and returns 0, or prints "unsolved" and returns 1 when the
// search gave up after nodeLimit tables. With autoplay the actions must be replayed with it.
int RunSolveSession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                    long long nodeLimit, std::ostream& out, std::ostream& messages);

} // namespace marlowe
