#pragma once
// The game file "GAMES.DAT": the catalogue ([Sect1]), the rule matrix ([Sect2]) and the
// selection list ([SectS]). Read whole each time it is needed, as the lines it holds.

#include "app/outcome.h"

#include <filesystem>
#include <string>
#include <vector>

namespace marlowe {

inline constexpr const char* kGameFileName = "GAMES.DAT";

struct GameFile {
    std::vector<std::string> catalogueLines; // [Sect1], still byte-shifted
    std::vector<std::string> matrixLines;    // [Sect2]
    std::vector<std::string> selectionLines; // [SectS], still byte-shifted
};

// Reads the game file of programFolder; a missing or unreadable file fails with the message
// that tells the player where it was looked for.
Outcome ReadGameFile(const std::filesystem::path& programFolder, GameFile& file);

// The game file's path in programFolder.
std::filesystem::path GameFilePath(const std::filesystem::path& programFolder);

} // namespace marlowe
