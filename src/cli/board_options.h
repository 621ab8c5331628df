#pragma once
// The board options of the commands that lay out or draw a table: the card size, the board's
// client size and the screen's.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace marlowe {

struct BoardOptions {
    char size = 'B'; // a size letter, or 'A' for "Auto"
    int width = 1024;
    int height = 768;
    int screenWidth = 0; // 0: the board's
    int screenHeight = 0;
};

// The options from arguments[first] on; nothing when one is not understood.
std::optional<BoardOptions> ParseBoardOptions(const std::vector<std::string>& arguments, std::size_t first);

} // namespace marlowe
