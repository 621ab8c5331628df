// The game file as the program uses it: the catalogue loaded, then every listed game's rules,
// its feature classes and its place in the game tree read.
#include "catalogue/game_file.h"
#include "catalogue/game_groups.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rule_vector.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    fuzz::WriteScratchFile(kGameFileName, data, size);
    TMainGame mainGame;
    mainGame.programFolder = fuzz::ScratchFolder();
    mainGame.dataFolder = fuzz::ScratchFolder();
    if (!mainGame.LoadCatalogue())
        return 0;
    for (const auto& line : mainGame.Catalogue()) {
        const int number = CatalogueLineNumber(line);
        RuleVector rules;
        (void)LoadRules(mainGame, number, rules);
        (void)mainGame.GameFamily(number);
        (void)mainGame.GameNumberByName(CatalogueLineName(line));
    }
    (void)ReadGameFeatures(mainGame);
    (void)mainGame.ListAllGameNames();
    return 0;
}
