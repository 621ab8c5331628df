#pragma once
// Where the keyboard's focus frame may stand on the table, and how the arrow keys and Tab move
// it. A stop is a card the player can name: the top card of a squared pile, each face-up card of
// a fan that shows, the place of an empty pile, one cell of a row whose cells are places. Piles
// the layout leaves without a place have no stop. Geometry only, in window coordinates, read
// from the card positions that drawing and the hit test use.

#include "engine/drop_resolution.h"
#include "layout/board_geometry.h"
#include "layout/hit_test.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace marlowe {

class GameContext;

struct FocusStop {
    PileRef pile;
    int cell = -1;   // a row whose cells are places: the cell; -1 otherwise
    int k = 0;       // counted from the top card of the pile (0: the top card or the empty place)
    int card = 0;    // the card shown there; 0 for an empty pile or a gap
    PixelRect rect;  // the card's rectangle
    PixelRect place; // the pile's own place (or the cell's): where arrows between piles measure from

    // Stops of one pile, or of one cell of a row of cells, form a column.
    bool SameColumn(const FocusStop& other) const { return pile == other.pile && cell == other.cell; }
};

enum class FocusStep { Left, Right, Up, Down, Next, Previous };

// Every stop of the table: the stock group, the foundations, the tableaus, the reserves; for
// each column its top card first.
std::vector<FocusStop> FocusStops(const GameContext& context, const BoardGeometry& board);

// The stop one step leads to from stops[from]. An arrow moves among the cards of a column
// that lie that way first, then to the nearest column that way, onto its top card; it stays
// when nothing lies that way. Tab and Shift+Tab go through the columns in reading order and
// wrap around.
std::size_t StepFocus(const std::vector<FocusStop>& stops, std::size_t from, FocusStep step);

// The stop that stands for a remembered one after the table changed: the same card in the same
// column, else that column's top, else the same pile's top, else the first column in reading
// order. Nothing when the table has no stop.
std::optional<std::size_t> FindFocus(const std::vector<FocusStop>& stops, const std::optional<FocusStop>& remembered);

// The drop a focused stop stands for, as the pointer would offer the pile under a dropped card;
// nothing for a pile that takes no drops (the stock, the serpentine grid, a closed waste).
std::optional<DropCandidate> DropCandidateOf(const GameContext& context, const FocusStop& stop);

}  // namespace marlowe
