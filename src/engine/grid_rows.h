#pragma once
// A tableau of rows of cells (one pile per row) read as a grid of GridColumns columns, dealt a
// row at a time from the top: its gaps, its next row, a card's column, and the stock filling
// cells (Parallels, British Blockade).

#include "engine/move_target.h"

#include <vector>

namespace marlowe {

struct GameContext;

// Whether cell `cell` of tableau row `row` holds a card.
bool GridCellHolds(const GameContext& context, int row, int cell);

// The last row that holds a card; -1 when the grid is empty.
int LastGridRowHolding(const GameContext& context);

// The empty cells of the rows down to the last that holds a card, in reading order.
std::vector<PileCell> GapsInDealtGridRows(const GameContext& context);

// The cells of the row beneath the last that holds a card; none when no row is left.
std::vector<PileCell> NextGridRow(const GameContext& context);

// Whether a card of the grid lies at an open end of its column: no card in that column above
// it, or none below it. A card elsewhere is not in a column and counts as open.
bool AtOpenEndOfGridColumn(const GameContext& context, int card);

// Deals the stock's top cards into the cells in order, while the stock lasts; whether any moved.
bool DealIntoGridCells(GameContext& context, const std::vector<PileCell>& cells, Mover mover);

} // namespace marlowe
