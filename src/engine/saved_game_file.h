#pragma once
// Saved games on disk: a file the player names, and the game held in the data folder by
// "Hold and exit" until the next start resumes it.

#include "engine/saved_game.h"

#include <filesystem>

namespace marlowe {

// The file in the data folder that keeps the game held at the end of a run.
std::filesystem::path HeldGamePath(const std::filesystem::path& dataFolder);

// Writes the game to path through a temporary file renamed over it, so a failed write leaves
// any older file whole. The failure says which file could not be written.
Outcome WriteSavedGameFile(const std::filesystem::path& path, const SavedGame& game);
// Reads and checks the file; a failure names the file and what is wrong with it.
SavedGameReading ReadSavedGameFile(const std::filesystem::path& path);

} // namespace marlowe
