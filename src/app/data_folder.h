#pragma once
// The per-user data folder: preferences, statistics and custom games live there. The file
// "sol_fold.dat" beside the program names it; a program folder that carries its own
// "data/cfg.dat" keeps its data there (a portable install), otherwise the user's application
// data folder is used.

#include <filesystem>
#include <string>

namespace marlowe {

inline constexpr const char* kFolderFileName = "sol_fold.dat";
inline constexpr const char* kDefaultDataFolderMark = "[Default Data Folder]";

struct DataFolderChoice {
    std::filesystem::path folder; // ends with a separator
    std::string message;          // to show the player when "sol_fold.dat" could not be written
};

// Chooses the data folder and creates it (a failure to create it is left to the file
// operations that follow). applicationData is the desktop's application data folder
// (~/.local/share); empty when the desktop has none, and the program folder's "Data/" serves.
DataFolderChoice ChooseDataFolder(const std::filesystem::path& programFolder,
                                  const std::filesystem::path& applicationData);

} // namespace marlowe
