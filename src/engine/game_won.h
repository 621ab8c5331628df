#pragma once
// The win test of the running game: the general test (every card off the stock, waste,
// tableau and reserves), or the game's own test chosen by its special game code.

namespace marlowe {

class GameContext;

bool IsGameWon(const GameContext& context);

} // namespace marlowe
