#pragma once
// Which games of rows of cells (Gaps) the card model carries out exactly.

namespace marlowe {

class GameContext;

// Rows whose cells keep their places, a card moved alone into a gap by its left neighbour, the
// won test of settled rows, no other piles, and either no redeal or the redeal that keeps each
// row's run from a 2 with exactly one gap per row to deal back after.
bool RowsOfCellsModelled(const GameContext& context);

} // namespace marlowe
