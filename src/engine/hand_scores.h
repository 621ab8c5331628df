#pragma once
// The hands of the Baccarat-scored game: the stock deals a hand of two cards onto the first two
// tableau piles, a click may add a third on the third pile, and a click on the discard pile
// scores the hand (its bottom cards, one a pile) and puts it away face down. A hand is worth
// its points as Baccarat counts them, at most 9.

#include <optional>

namespace marlowe {

class GameContext;

// The points of the hand on the table (0 with none).
int HandOnTablePoints(const GameContext& context);
// What the status line shows while such a game runs: the points of the hand on the table;
// nothing in other games.
std::optional<int> PartialScore(const GameContext& context);
// The points of every hand put away in this game. Hands lie end to end on the discard pile, so
// each is told from the history: every move that added cards to the discard pile added one hand.
int PutAwayHandsPoints(const GameContext& context);
// The most a hand is worth.
inline constexpr int kBestHandPoints = 9;

} // namespace marlowe
