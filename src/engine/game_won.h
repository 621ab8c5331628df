#pragma once
// The win test of the running game: the general test (every card off the stock, waste,
// tableau and reserves), the game's own test chosen by its special game code, or, for the
// games whose Aces leave gaps in rows (deal family 8), every row in suit from 2 to King.

#include <string>

namespace marlowe {

class GameContext;

bool IsGameWon(const GameContext& context);

// The run at the left end of a row that starts with a 2 and rises by one in the same suit: the
// cards of a row that are where they belong in the games of rows with gaps. A row redeal keeps
// them, and the game is won when every row's run reaches the King.
int SettledRowLength(const std::string& row);

} // namespace marlowe
