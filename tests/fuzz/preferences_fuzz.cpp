// The preferences file in a data folder: every preference read at start-up, the players made
// sure of and the run counted, as the program does before its first game.
#include "app/session_registers.h"
#include "catalogue/main_game.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace marlowe;
    fuzz::ClearScratchFolder();
    fuzz::WriteScratchFile("Cfg.dat", data, size);
    SessionRegisters registers;
    RecordingPresentation presentation;
    TMainGame game;
    game.dataFolder = fuzz::ScratchFolder();
    Preferences preferences(fuzz::ScratchFolder(), registers, presentation);
    preferences.ReadAllPreferences(game, DisplayFacts{});
    preferences.EnsureDefaultPlayers();
    (void)preferences.CountRun();
    (void)preferences.ReadAutoplaySwitch(game, 1);
    return 0;
}
