#pragma once
// A game in progress as a file: everything needed to go on with it exactly where it was, the
// undo and redo histories with their annotations and the bookmark included. The file is
// versioned text with a checksum on its last line; reading checks every line, so a damaged,
// foreign or newer file is refused with a message that says what is wrong, and nothing is
// taken from it. Reading and writing know nothing of the running game (see game_resume.h).

#include "app/outcome.h"
#include "catalogue/rule_parameters.h"
#include "engine/move_history.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The version this program writes; it reads this one and every older one.
constexpr int kSavedGameVersion = 1;

// The words of the running game kept beside the snapshot's own: the moves made, whether the
// player changed the table, the stock's pressed state and whether the deal number was drawn.
constexpr std::size_t kSavedGameWords = 4;

struct SavedGame {
    int gameNumber = 0;
    std::string gameName;
    std::string player;
    std::string dealNumber;            // 13 digits
    int elapsedSeconds = 0;            // the clock when the game was saved
    int score = 0;
    bool autoplayOn = false;
    std::array<std::int16_t, kSavedGameWords> words{};
    std::array<std::int16_t, kRuleVectorSize> rules{}; // as the deal and the play left them
    Snapshot table;
    std::vector<Snapshot> undo;
    std::vector<Snapshot> redo;
    std::optional<Snapshot> bookmark;
    bool operator==(const SavedGame&) const = default;
};

// The file's text.
std::string SavedGameText(const SavedGame& game);

// The game a file's text holds; a failure says what is wrong with the file.
struct SavedGameReading {
    Outcome outcome = Outcome::Success();
    SavedGame game;
};
SavedGameReading ReadSavedGame(std::string_view text);

// The checksum the last line carries: of every byte before that line.
std::string SavedGameChecksum(std::string_view body);

} // namespace marlowe
