#pragma once
// The win test of the running game: the general test (every card off the stock, waste,
// tableau and reserves), the game's own test chosen by its special game code, or, for the
// games of rows with gaps, every row in suit from its first rank to the King.

#include <string>

namespace marlowe {

class GameContext;
class RuleVector;

bool IsGameWon(const GameContext& context);

// The run at the left end of a row that starts with the row's first rank (a 2 where the Aces
// became gaps, else an Ace) and rises by one in the same suit: the cards of a row that are where
// they belong in the games of rows with gaps. A row redeal keeps them, and the game is won when
// every row's run reaches the King.
int SettledRowLength(const std::string& row, int firstRank = 2);

// The rank the rows of cells of the game are set in order from: the Ace in the games whose rows
// are dealt longer than their cards, otherwise the 2.
int RowStartRank(const RuleVector& rules);

} // namespace marlowe
