// The custom-games file in a data folder beside a real game file: the games listed, then each
// one's rules loaded from its base game and its rule record.
#include "catalogue/custom_games.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rule_vector.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace {

// The game file the build made, loaded once: custom games are built on its games.
const marlowe::TMainGame& MainGame()
{
    static const marlowe::TMainGame game = [] {
        marlowe::TMainGame loaded;
        loaded.programFolder = MARLOWE_BUILD_DIR;
        loaded.dataFolder = marlowe::fuzz::ScratchFolder();
        (void)loaded.LoadCatalogue();
        return loaded;
    }();
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    const TMainGame& mainGame = MainGame();
    fuzz::WriteScratchFile(kCustomGamesFileName, data, size);
    const auto games = mainGame.ListCustomGames();
    if (!games)
        return 0;
    for (const auto& game : *games) {
        RuleVector rules;
        (void)LoadRules(mainGame, game.number, rules);
        (void)mainGame.GameFamily(game.number);
    }
    (void)mainGame.ListAllGameNames();
    return 0;
}
