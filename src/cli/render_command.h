#pragma once
// "marlowe-cli render": a game's dealt table drawn into a PNG file, without a window.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace marlowe {

class TMainGame;

// arguments: GAME DEALNUMBER FILE.png [board options]. Returns the exit status, or nothing for
// arguments it does not understand.
std::optional<int> RenderTableToFile(const TMainGame& mainGame, const std::vector<std::string>& arguments,
                                     std::ostream& errors);

} // namespace marlowe
