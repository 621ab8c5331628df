#pragma once
// "marlowe-cli winrate": how many random deals of a game the solver wins, with how sure the
// figure is. Deals are random 13-digit deal numbers from a seed, dealt as "solve" deals them
// (autoplay off) and solved several at a time on threads of their own.

#include "catalogue/main_game.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace marlowe {

// arguments: GAME [--deals N] [--seed S] [--budget SECONDS] [--limit NODES] [--jobs J] [--verbose].
// Prints one "deal NUMBER: VERDICT, N positions, S s" line per deal with --verbose, then the
// summary as "key: value" lines. Returns the exit status, or nothing when the arguments are not
// understood (what is wrong is said on errors).
std::optional<int> PrintWinRate(const TMainGame& mainGame, const std::vector<std::string>& arguments,
                                std::ostream& out, std::ostream& errors);

} // namespace marlowe
