// marlowe-cli: the command-line companion of the engine, reading the data files that the
// build put beside it.
//   marlowe-cli games      one line per catalogue game: number, family, name (tab-separated)
//   marlowe-cli rules N    the non-zero rule parameters of game N: index, name, value

#include "app/text_helpers.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rule_parameters.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

using namespace marlowe;

namespace {

int Usage()
{
    std::cerr << "usage: marlowe-cli games\n"
                 "       marlowe-cli rules GAME-NUMBER\n";
    return 2;
}

std::filesystem::path ProgramFolder()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

std::filesystem::path DataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "Marlowe";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local/share/Marlowe";
    return ProgramFolder() / "Data";
}

int ListGames(const TMainGame& mainGame)
{
    for (const auto& line : mainGame.Catalogue()) {
        const int number = CatalogueLineNumber(line);
        std::cout << number << '\t' << mainGame.GameFamily(number) << '\t' << CatalogueLineName(line) << '\n';
    }
    return 0;
}

int PrintRules(const TMainGame& mainGame, const std::string& argument)
{
    const auto number = ParseInteger(argument);
    if (!number || *number < 0 || *number > 9999)
        return Usage();
    const int game = static_cast<int>(*number);
    if (game < kFirstCustomGameNumber && mainGame.CatalogueIndex(game) < 0) {
        std::cerr << "marlowe-cli: there is no game " << game << "\n";
        return 2;
    }
    RuleVector rules;
    if (const auto loaded = LoadRules(mainGame, game, rules); !loaded) {
        std::cerr << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    for (int index = 0; index < kRuleVectorSize; ++index)
        if (rules[index] != 0)
            std::cout << index << '\t' << RuleParameterName(index) << '\t' << rules[index] << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    const bool known = (command == "games" && argc == 2) || (command == "rules" && argc == 3);
    if (!known)
        return Usage();

    TMainGame mainGame;
    mainGame.programFolder = ProgramFolder();
    mainGame.dataFolder = DataFolder();
    if (const auto loaded = mainGame.LoadCatalogue(); !loaded) {
        std::cerr << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    return command == "games" ? ListGames(mainGame) : PrintRules(mainGame, argv[2]);
}
