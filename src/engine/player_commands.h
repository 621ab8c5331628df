#pragma once
// The player's commands on the game in progress beside "New game" and "Open a game": playing
// the same deal again from its first table, playing a deal chosen by its number, giving the game
// up, and pausing the clock.

#include "engine/lifecycle.h"

#include <string>

namespace marlowe {

class GameContext;
class Preferences;
class RandomSource;

// "Restart": ends the game in progress (asking first when the player wants that) and deals the
// same deal number again, with the game's pristine rules, the clock and the score from zero.
void RestartGame(GameContext& context, Preferences& preferences, RandomSource& random,
                 const ScreenFacts& screen = {});
// "Select a deal...": as a restart, with the deal number given (13 digits).
void DealChosenNumber(GameContext& context, Preferences& preferences, RandomSource& random,
                      const std::string& dealNumber, const ScreenFacts& screen = {});
// "Quit game": ends the game in progress, recorded as the records count it, and empties the
// table. False when the player kept the game.
bool QuitGame(GameContext& context);

// "Pause": the clock stops; ContinueAfterPause starts it again from the time it had.
void PauseClock(GameContext& context);
void ContinueAfterPause(GameContext& context);

} // namespace marlowe
