#pragma once
// The score of the running game, recomputed from the table after every move: in the standard
// scoring the player pays a point per card of the pack and earns five for every card on a
// foundation; a few special games score by rules of their own.

#include <string_view>

namespace marlowe {

class GameContext;

// The score of the current table by the game's rules (0 with a scoring type other than "01").
int ComputeScore(const GameContext& context);
// Computes the score and, unless the game shows none, stores it in register (122, 6) and
// shows it.
void RecomputeScore(GameContext& context);
// Adds 5 points per card to the stored score, for cards the deal put onto foundations.
void AddFoundationScore(GameContext& context, int cards);

// The points of up to three cards at element positions 0, step and 2 * step of a pile text
// (step 3 for pile strings, 4 for snapshot strings): 10 to King count 0, totals keep only
// their last digit.
int BaccaratPoints(std::string_view cards, int step);
// The target sum of the five-card puzzle game, from digits of the deal number.
int PuzzleTarget(std::string_view dealNumber);

} // namespace marlowe
