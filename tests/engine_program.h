#pragma once
// The engine as the program runs it, for tests: the built catalogue, the preferences of a fresh
// data folder, and each finished game's record and the time of day under the test's hand.

#include "engine/game_context.h"
#include "engine/preferences.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace marlowe::testing {

struct EngineProgram {
    EngineProgram() : context(presentation), preferences(folder.path(), context.registers, presentation), random(7)
    {
        context.mainGame.programFolder = MARLOWE_BUILD_DIR;
        context.mainGame.dataFolder = folder.path();
        EXPECT_TRUE(context.mainGame.LoadCatalogue());
        preferences.ReadAllPreferences(context.mainGame, DisplayFacts{});
        context.registers.Set(reg::ConfirmQuitGame, "N");
        context.recordGame = [this](GameContext&, bool won) { recorded.push_back(won); };
        context.secondOfDay = [this] { return now; };
    }
    // The callbacks hold this object's address.
    EngineProgram(const EngineProgram&) = delete;
    EngineProgram& operator=(const EngineProgram&) = delete;

    TempFolder folder;
    RecordingPresentation presentation;
    GameContext context;
    Preferences preferences;
    SeededRandom random;
    std::vector<bool> recorded; // won or lost, one entry per game recorded
    int now = 1000;             // the second of the day
};

} // namespace marlowe::testing
