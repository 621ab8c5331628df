#pragma once
// ExecuteMove: the one road by which the table changes for a move. It carries a card (with
// the cards on it, for a tableau target) to a target pile or runs a table action, records the
// undo point, has the piles redrawn, plays the event's sound, and then runs the fixed chain of
// consequences: complete sequences leave the tableau, exposed cards turn up, the score and
// the won mark are brought up to date, the redo history is cleared, first-move rules fire.
// It does not judge legality; its callers ask first.

#include <string_view>

namespace marlowe {

class GameContext;

// Targets: "Dest" + n, "Dest_Autoplay" + nn, "Fila" + n, "Fila" + n + ":" + cell (the card alone
// into a cell of a row whose cells are places, counted from 1), "Appogg" + n, "Waste" (the secondary
// waste), "Stock02" (the waste), the stock targets ("Mazzo...") and the dealing targets
// ("Add_Tableau...", "Add_Reserve...", "Fill_Tableaus"). carryRun: for a tableau target, move
// the card with every card on it (false: the card alone). True when the table changed.
bool ExecuteMove(GameContext& context, int card, std::string_view target, bool carryRun = true);

} // namespace marlowe
