#pragma once
// "marlowe-cli layout": the place of every pile of a game on a board of a given size.

#include "catalogue/main_game.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace marlowe {

// Lays out game on the board the options describe and prints "NAME x y" per pile. Returns the
// exit status, or nothing when the arguments are not understood.
std::optional<int> PrintLayout(const TMainGame& mainGame, const std::vector<std::string>& arguments, std::ostream& out,
                               std::ostream& errors);

} // namespace marlowe
