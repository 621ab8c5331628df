#pragma once
// The stock: what a click on it does (turn cards onto the waste, turn the waste over into a
// new stock, deal a row onto the tableaus or reserves), the stock actions of ExecuteMove that
// carry this out, the pressed and released redeal button, and the one-time "Draw".

#include "engine/move_target.h"

namespace marlowe {

class GameContext;

// A press of the mouse button on the stock.
void StockClick(GameContext& context);
// The release of the button: a redeal that waited for it is carried out.
void ReleaseStockButton(GameContext& context);

// Turns cards from the stock, redealing first when the stock is empty and a pass is left.
// True when the call counted as a move.
bool TurnStock(GameContext& context, StockTurn turn);
// Deals cards from the stock. True when the call counted as a move.
bool DealFromStock(GameContext& context, RowDeal row);
bool DealFromStock(GameContext& context, DealOnto onto);

// Draw the "StockDown" / "StockUp" picture where it belongs; press marks the stock pressed.
void PressStock(GameContext& context);
void ReleaseStock(GameContext& context);

// Another pass through the stock is allowed.
bool RedealAllowed(const GameContext& context);

// The "Draw" of games that allow it once after the last redeal: a pick of more than one card
// from a tableau puts the picked card on top of its own pile instead. Always refuses the pick
// itself (returns false), showing why when the Draw is not allowed.
bool TryDraw(GameContext& context, int card);

} // namespace marlowe
