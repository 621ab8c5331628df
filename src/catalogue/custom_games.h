#pragma once
// The custom-games file "GAM_CUST.DAT" of the data folder: games composed by the player, each
// a built-in game with a few rules changed. After a first line that is not read, every entry
// is 30 lines long; only its first two lines matter here.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace marlowe {

inline constexpr const char* kCustomGamesFileName = "GAM_CUST.DAT";
inline constexpr int kCustomGameEntryLines = 30;
inline constexpr int kFirstCustomGameNumber = 8000;

struct CustomGame {
    std::string name;        // trailing spaces removed
    int number = 0;          // 8000 or above
    int baseNumber = 0;      // the built-in game it is based on
    std::string recordHead;  // the first 7 characters of its rule record
};

struct CustomGameRecord {
    int baseNumber = -1;     // -1 when the game is not in the file
    std::string record;      // the whole rule record line
};

// Every custom game, ordered by name (then number) without regard to case; nothing when the
// file does not exist.
std::optional<std::vector<CustomGame>> ListCustomGames(const std::filesystem::path& dataFolder);

// The base game and rule record of custom game number.
CustomGameRecord FindCustomGame(const std::filesystem::path& dataFolder, int number);

} // namespace marlowe
