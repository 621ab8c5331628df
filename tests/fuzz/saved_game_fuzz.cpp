// A saved game opened as the program's "Open" does: read and checked, then, when its game is in
// the catalogue, resumed in place of a game in progress, its histories walked back to the start
// and forward again and the bookmark gone to. A mutated file almost never keeps its checksum, so
// each input is also read with the checksum its body gives, which lets the mutations reach every
// line's own check and the resume behind them.
#include "catalogue/main_game.h"
#include "engine/game_context.h"
#include "engine/game_resume.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "engine/saved_game.h"
#include "engine/shuffle.h"
#include "scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace marlowe;

// The built catalogue, loaded once: every input is resumed into a program that has it.
const TMainGame& Catalogue()
{
    static const TMainGame game = [] {
        TMainGame loaded;
        loaded.programFolder = MARLOWE_BUILD_DIR;
        loaded.dataFolder = fuzz::ScratchFolder();
        (void)loaded.LoadCatalogue();
        return loaded;
    }();
    return game;
}

// A program with FreeCell in progress, its data folder the empty scratch folder.
struct Program {
    Program() : context(presentation), preferences(fuzz::ScratchFolder(), context.registers, presentation), random(1)
    {
        context.mainGame = Catalogue();
        context.mainGame.dataFolder = fuzz::ScratchFolder();
        preferences.ReadAllPreferences(context.mainGame, DisplayFacts{});
        context.registers.Set(reg::ConfirmQuitGame, "N");
        context.registers.Set(reg::GameNumber, 1);
        context.registers.Set(reg::GameName, context.mainGame.GameName(1));
        context.registers.Set(reg::DealNumber, "0000000011982");
        (void)NewGame(context, preferences, random, 1);
    }

    RecordingPresentation presentation;
    GameContext context;
    Preferences preferences;
    SeededRandom random;
};

// The text with its last line replaced by the checksum of everything before it.
std::string WithRightChecksum(std::string_view text)
{
    const std::size_t last = text.rfind("\nchecksum ");
    const std::string body(text.substr(0, last == std::string_view::npos ? text.size() : last + 1));
    return body + "checksum " + SavedGameChecksum(body) + "\n";
}

void Open(std::string_view text)
{
    const SavedGameReading reading = ReadSavedGame(text);
    if (!reading.outcome)
        return;
    fuzz::ClearScratchFolder();
    Program program;
    GameContext& context = program.context;
    if (!ResumeSavedGame(context, program.preferences, program.random, reading.game))
        return;
    while (Undo(context)) {
    }
    while (Redo(context)) {
    }
    (void)GoToBookmark(context);
    (void)TakeSnapshot(context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Open(text);
    Open(WithRightChecksum(text));
    return 0;
}
