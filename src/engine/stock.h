#pragma once
// The stock: what a click on it does (turn cards onto the waste, turn the waste over into a
// new stock, deal a row onto the tableaus or reserves), the stock targets of ExecuteMove that
// carry this out, the pressed and released redeal button, and the one-time "Draw".

#include <string_view>

namespace marlowe {

class GameContext;

// A press of the mouse button on the stock.
void StockClick(GameContext& context);
// The release of the button: a redeal that waited for it is carried out.
void ReleaseStockButton(GameContext& context);

// "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal": turn cards from the stock, redealing first when
// the stock is empty and a pass is left. True when the call counted as a move.
bool TurnStock(GameContext& context, std::string_view target);
// "Add_Tableaus", "Add_Reserves", "Add_Tableaus_Last", "Fill_Tableaus", "Add_Tableau_" + nn,
// "Add_Reserve_" + n: deal cards from the stock. True when the call counted as a move.
bool DealFromStock(GameContext& context, std::string_view target);

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
