#pragma once
// A game from its choice to its end: preparing it (its rules, the card size the screen allows,
// the commands it offers), dealing it anew, opening another game, ending it (recording it,
// celebrating a win), asking before a game in progress is abandoned, and the window title.

#include "app/outcome.h"

#include <string>

namespace marlowe {

class GameContext;
class Preferences;
class RandomSource;

// The facts of the screen that the card size depends on.
struct ScreenFacts {
    int width = 1280;
    long long colours = 999999999;
};

// What preparing a game decided for the window.
struct Preparation {
    Outcome loaded = Outcome::Success();
    bool cardImagesChanged = false; // the card size or the special card set changed: reload them
};

// Loads the current game's rules, fits the card size to the screen and sets the commands.
Preparation PrepareGame(GameContext& context, Preferences& preferences, const ScreenFacts& screen);
// The player chose another card size: fits it to the screen for the game on the table, with
// the card-size advice where it does not fit.
void FitChosenCardSize(GameContext& context, Preferences& preferences, const ScreenFacts& screen);
// Deals the current game anew: dealMode 2 draws a new deal number, any other value deals the
// deal number in the register again. Prepares the game first when none is prepared.
Outcome NewGame(GameContext& context, Preferences& preferences, RandomSource& random, int dealMode,
                const ScreenFacts& screen = {});
// Deals the number in the register onto the emptied table and puts the game in progress: the
// part of a new deal between drawing its number and showing it.
void DealAndStart(GameContext& context, RandomSource& random);
// Switches to game number (and player) and deals it. False when nothing was done (the same
// game and player are in progress, or the player kept the game in progress).
bool OpenGame(GameContext& context, Preferences& preferences, RandomSource& random, int number,
              const std::string& name, const std::string& player, int dealMode, bool remember,
              const ScreenFacts& screen = {});
// Ends the game in progress: records it and celebrates a win. The won result; false when no
// game was in progress.
bool EndGame(GameContext& context);
// Whether the current game may be abandoned (asking the player when the preferences want it).
bool ConfirmAbandon(GameContext& context, const std::string& text = "Quit this game?");
// "&New game": ends the game (a win ends there), then deals the same game anew.
void NewGameCommand(GameContext& context, Preferences& preferences, RandomSource& random);

// The window caption: product, version, game name and the deal number as people say it.
std::string GameTitle(const GameContext& context);
// Sets the caption when it differs from the last one set.
void UpdateTitle(GameContext& context);

} // namespace marlowe
