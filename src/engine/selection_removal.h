#pragma once
// What follows a complete selection: the selected cards leave the table for the secondary
// waste, empty tableaus are refilled from the stock, and the tableaus close up. Also the
// other compactions and exchanges of the selection games.

#include "engine/move_target.h"

namespace marlowe {

class GameContext;

// Carries out a step of ExecuteMove. True when the call counted as a move; turnUpRequest is set
// when cards exposed by the removal are to be turned up.
bool ExecuteSelectionStep(GameContext& context, SelectionStep step, bool& turnUpRequest);

// The stock's top card goes onto the first empty tableau, the end of a row that closes up. False
// (and a message) when the stock is out or every tableau holds cards.
bool DealOntoRowEnd(GameContext& context);
// Every empty tableau receives the whole of the first non-empty tableau after it.
void CloseGaps(GameContext& context);
// Every empty tableau from the left receives the last non-empty tableau further right, as an
// undoable step. False (and a message) when there was nothing to fill.
bool FillGapsFromRight(GameContext& context);
// Tableaus 1-7, 8-14 and 15-21 form three groups: the group of the tableau (0-based) closes up.
void CloseGroup(GameContext& context, int tableau);
// Exactly one tableau of the group of the tableau (0-based) holds cards.
bool GroupHasOnePile(const GameContext& context, int tableau);
// The two cards change places, as an undoable step.
void SwapTopCards(GameContext& context, int first, int second);

} // namespace marlowe
