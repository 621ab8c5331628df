#pragma once
// Rows of cells whose cards change places (tableau building code 190, Pas de Deux): the card
// of the rows identical to the top card of the waste, the same rank and suit from the other pack,
// swaps with any card of its own row or column; in a game of special code 116 the stock then turns
// its next card within the same move, and the game is won with the rows in their suits' order,
// each from the Ace to the King.

#include "engine/pile_store.h"

namespace marlowe {

class GameContext;
class RuleVector;

// Whether the cards of tableau row `tableau` change places instead of moving into gaps.
bool SwapsInLine(const RuleVector& rules, int tableau);
// Whether card may change places with the card in cell `cell` of row `tableau`.
bool MaySwapInto(const GameContext& context, int tableau, int cell, int card);
// The card and the card in the target cell change places.
void SwapCells(GameContext& context, int card, PileCell target);
// After a swap: the stock turns its next card onto the waste, when the game asks for it.
void TurnAfterSwap(GameContext& context);

// The suit row r (0-based) is built in, from the Ace in its first cell to the King in its last.
int SuitOfRow(int row);
// How many cards lie in their own cell of the suit rows.
int CardsInTheirCells(const GameContext& context);
// How many cards lie in the row or the column of their own cell, but not in it: one swap away.
int CardsInLineOfTheirCells(const GameContext& context);
// Every card in its own cell.
bool SuitRowsInOrder(const GameContext& context);

} // namespace marlowe
