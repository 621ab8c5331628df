#pragma once
// A game in progress taken out of the running game and put back into it: what the saved-game
// file holds (saved_game.h) captured from the context, and the context set to it again, table,
// histories, bookmark, clock, score and counters, as if the game had never been left.

#include "app/outcome.h"
#include "engine/lifecycle.h"
#include "engine/saved_game.h"

namespace marlowe {

class GameContext;
class Preferences;
class RandomSource;

// The running game as a saved game, its clock read at secondOfDay.
SavedGame CaptureGame(const GameContext& context, int secondOfDay);

// Whether the saved game can be resumed here: its game must still be in the catalogue. The
// failure names the game.
Outcome CheckResumable(const GameContext& context, const SavedGame& saved);

// Ends the game in progress (the caller has asked the player) and goes on with the saved game.
// Nothing changes when it is not resumable or its game's rules cannot be read.
Outcome ResumeSavedGame(GameContext& context, Preferences& preferences, RandomSource& random, const SavedGame& saved,
                        const ScreenFacts& screen = {});

} // namespace marlowe
