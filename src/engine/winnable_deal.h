#pragma once
// Winnable deals: which games the solver may judge for the player, the copy of a game it judges,
// and a new deal drawn again and again until the solver proves one winnable.

#include "engine/game_context.h"
#include "engine/solver.h"

#include <chrono>

namespace marlowe {

class RandomSource;

// Whether the solver's verdict means something to the player: the game offers the move finder
// and hides no cards the player has to remember (a memory game's solver would see them).
bool SolvesForThePlayer(const GameContext& context);

// A copy of the game for the solver that shows its events to presentation, records nothing and
// plays without autoplay, so that a winning line is one the player can follow move by move.
GameContext PlayersCopy(const GameContext& context, Presentation& presentation);

// How hard a new deal is tried: so many deal numbers, each given this much search.
struct WinnableDealSearch {
    int tries = 20;
    SolverOptions solver{.nodeLimit = 200000, .timeLimit = std::chrono::milliseconds(1000)};
};

// The message when no deal was proved winnable.
std::string NoWinnableDealMessage(int tries);

// Draws a deal number and deals it (DealAndStart) onto the table made ready for a deal (rules
// restored, words cleared), and again from that same table with a new number while the solver
// cannot prove the deal winnable, up to search.tries deals; the presentation shows the busy
// pointer meanwhile. True when the deal on the table was proved winnable; otherwise the last deal
// drawn stays and the player is told.
bool DealWinnableGame(GameContext& context, RandomSource& random, const WinnableDealSearch& search = {});

} // namespace marlowe
