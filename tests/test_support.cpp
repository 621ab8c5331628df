#include "test_support.h"

#include "app/text_file.h"

#include <stdexcept>
#include <unistd.h>

namespace marlowe::testing {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "marlowe-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void TempFolder::Write(const std::string& name, const std::vector<std::string>& lines) const
{
    if (!WriteTextLines(path_ / name, lines))
        throw std::runtime_error("cannot write " + (path_ / name).string());
}

} // namespace marlowe::testing

#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "catalogue/game_file.h"
#include "game_file_writer.h"

namespace marlowe::testing {

gamec::CompiledGame MakeGame(int number, const std::string& name, int family, char catalogueClass)
{
    gamec::CompiledGame game;
    game.number = number;
    game.name = name;
    game.family = family;
    game.catalogueClass = catalogueClass;
    return game;
}

void WriteGameFile(const TempFolder& folder, const std::vector<gamec::CompiledGame>& games)
{
    folder.Write(kGameFileName, gamec::GameFileLines(games));
}

void WriteCustomGames(const TempFolder& folder, const std::vector<CustomEntry>& entries)
{
    std::vector<std::string> lines{"custom games"};
    for (const auto& entry : entries) {
        lines.push_back(PadRight(entry.number, 4) + PadRight(entry.name, 50) + PadRight(entry.base, 4));
        lines.push_back(entry.record);
        for (int i = 2; i < kCustomGameEntryLines; ++i)
            lines.push_back("unused " + std::to_string(i));
    }
    folder.Write(kCustomGamesFileName, lines);
}

} // namespace marlowe::testing
