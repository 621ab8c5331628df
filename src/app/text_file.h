#pragma once
// Reading and writing the program's text files whole, and finding files of the data folder
// without regard to the case of their names.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace marlowe {

// A file's whole content, byte for byte; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);
// The file's lines without line ends ("\n" or "\r\n"); nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);
// Writes the lines, each ended by "\n"; false when the file cannot be written.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// The path of the file called name in folder, matching the name without regard to case;
// folder / name itself when no such file exists yet.
std::filesystem::path FindFileNoCase(const std::filesystem::path& folder, const std::string& name);

} // namespace marlowe
