#pragma once
// ExecuteMove: the one road by which the table changes for a move. It carries a card (with
// the cards on it, for a tableau target) to a target pile or runs a table action, records the
// undo point, has the piles redrawn, plays the event's sound, and then runs the fixed chain of
// consequences: complete sequences leave the tableau, exposed cards turn up, the score and
// the won mark are brought up to date, the redo history is cleared, first-move rules fire.
// It does not judge legality; its callers ask first.

#include "engine/move_target.h"
#include "engine/table.h"

namespace marlowe {

class GameContext;

// Carries the card to the target: a foundation, a tableau or a cell of a tableau row, a
// reserve, the waste or the secondary waste. carryRun: for a tableau target, move the card
// with every card on it (false: the card alone). True when the table changed.
bool ExecuteMove(GameContext& context, int card, CardTarget target, bool carryRun = true);
// Carries out a table action of the stock or of the selection games. True when it counted as
// a move.
bool ExecuteMove(GameContext& context, const TableAction& action);

// Whether the game still waits for its opening move, a card to a foundation: from the tableau
// (FirstMoveToFoundation 1) or from a reserve (2); nothing else moves before it.
bool AwaitsFirstFoundationMove(const GameContext& context);
// Whether a card lying at location may make that opening move.
bool MayOpenTheGame(const GameContext& context, CardLocation location);

} // namespace marlowe
