#pragma once
// Helpers shared by the tests: a temporary folder that cleans up after itself.

#include <filesystem>
#include <string>
#include <vector>

namespace marlowe::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Writes the lines into the named file of the folder.
    void Write(const std::string& name, const std::vector<std::string>& lines) const;

private:
    std::filesystem::path path_;
};

} // namespace marlowe::testing

#include "game_compiler.h"

namespace marlowe::testing {

// A compiled game with the given header fields and no rules set.
gamec::CompiledGame MakeGame(int number, const std::string& name, int family = 4, char catalogueClass = '0');
// Writes GAMES.DAT for the games into folder, as the game compiler would.
void WriteGameFile(const TempFolder& folder, const std::vector<gamec::CompiledGame>& games);
// Writes GAM_CUST.DAT with one 30-line entry per (number, name, base, record).
struct CustomEntry {
    std::string number;
    std::string name;
    std::string base;
    std::string record;
};
void WriteCustomGames(const TempFolder& folder, const std::vector<CustomEntry>& entries);

} // namespace marlowe::testing
