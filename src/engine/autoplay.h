#pragma once
// Autoplay: the obvious moves made for the player. With the Autoplay command on, after every
// move (and when a game starts) empty tableau piles are filled by the game's fill rule and
// every card that can go to a foundation goes there, until nothing more moves. Every automatic
// move goes through ExecuteMove and its snapshot is tagged, so that one Undo takes back the
// player's move together with everything autoplay did after it.

#include "engine/drop_resolution.h"

namespace marlowe {

class GameContext;
class Preferences;

// Whether automatic moves may happen now: the table is drawn, a game is in progress, and the
// player has made the first move where the game waits for it (RuleVector[42] = 1).
bool AutomaticPlayMayAct(const GameContext& context);

// One foundation pass: sweeps of reserves, waste (unless RuleVector[8] is set) and tableau piles
// offering each top card to the foundations, repeated until a sweep moves nothing. With
// RuleVector[44] = 1 (and the player's face-up preference) face-down tableau tops are turned up
// first. Runs only while automatic play may act and autoplay is active; stops when StopAutoPlay
// is set. A pass that wins the game ends it. True when a card moved.
bool AutoFoundationPass(GameContext& context, const FoundationSet& unplacedFoundations = {});

// Fills empty tableau piles by the fill rule RuleVector[25] while automatic play may act,
// whether or not autoplay is on (the fill is a rule of the game). Each card moves by
// ExecuteMove and its snapshot is tagged as an automatic move, so the fill undoes with the move
// that emptied the pile. True when a card moved.
bool AutoFillEmptyTableau(GameContext& context);

// The automatic play after a move, at the start of a game, and when autoplay is switched on:
// clears StopAutoPlay, runs a foundation pass, then fills and passes again while the passes move
// cards. True when anything moved.
bool AutoplayCycle(GameContext& context, const FoundationSet& unplacedFoundations = {});

// The Autoplay command: sets the switch, runs the automatic play when switched on during a game,
// and remembers the switch for the current game (one switch per game, AutoPlayMode 2).
void SetAutoplay(GameContext& context, Preferences& preferences, bool on);
// When a game is opened: with one switch per game and the command enabled for the game, the
// switch takes the value stored for game number.
void RestoreAutoplaySetting(GameContext& context, const Preferences& preferences, int game);

} // namespace marlowe
