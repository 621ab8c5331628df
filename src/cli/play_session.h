#pragma once
// `marlowe-cli play GAME DEALNUMBER`: a game driven by a line protocol on standard input, through
// the same engine operations the window calls. Each command is answered by one line: "ok",
// "refused", or "error: ..." for a malformed command; "state" and "hint" print their lines first.

#include <istream>
#include <ostream>
#include <string>

namespace marlowe {

class TMainGame;

int RunPlaySession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                   std::istream& in, std::ostream& out, std::ostream& messages);

} // namespace marlowe
