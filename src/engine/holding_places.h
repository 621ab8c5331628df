#pragma once
// Holding places: tableau piles of building code 189 that keep one card each for the
// foundations (Step-Up's middle step). While one stands empty, the other tableau piles may play
// home (tableau lock 73), and a game of special code 114 lets the stock turn only a few cards
// before a place is filled again; the count of those turns is a game word, so that Undo and
// saved games carry it.

#include "engine/table.h"

#include <string>

namespace marlowe {

class RuleVector;

bool IsHoldingPlace(const RuleVector& rules, int tableau);
// Whether one of the game's holding places is empty.
bool AnyHoldingPlaceEmpty(const GameContext& context);

// The stock turns left before an empty holding place must be filled; -1 when the game sets no
// limit or no place is empty.
int TurnsLeftWhilePlaceEmpty(const GameContext& context);
// Why the stock may not turn now; empty when it may.
std::string StockTurnRefusal(const GameContext& context);
// After a stock turn: a turn made while a place is empty counts against the limit.
void CountStockTurn(GameContext& context);
// After a card went onto tableau pile `tableau`: filling a holding place starts the count again.
void NoteTableauFilled(GameContext& context, int tableau);

} // namespace marlowe
