#pragma once
// What lies under the pointer: the pile and card a press hits, and the piles a dropped card
// overlaps. Pure geometry over the layout and the card positions, in window coordinates (the
// scroll offset already applied), so the window, the tests and the engine agree on every pixel.

#include "layout/board_geometry.h"
#include "engine/drop_resolution.h"

#include <optional>
#include <vector>

namespace marlowe {

class GameContext;

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    int OverlapArea(const PixelRect& other) const;
    PixelRect United(const PixelRect& other) const;
    bool operator==(const PixelRect&) const = default;
};

struct PointerHit {
    std::optional<PileRef> pile;  // none when the point is on the bare table
    int card = 0;                 // the card under the point; 0 for an empty pile or a gap
    int cell = -1;                // a row whose cells are places: the cell under the point
    PixelRect rect;               // the hit card's rectangle
};

// The pile and card under (x, y). Stock group first, then the tableaus (from the last when they
// overlap in rows), the foundations (empty ones too) and the reserves. An empty tableau or
// reserve is named only with includeEmpty, as the drop and hint searches want.
PointerHit HitTest(const GameContext& context, const BoardGeometry& board, int x, int y, bool includeEmpty = false);

// The piles a card's rectangle placed at (x, y) overlaps, with the overlap in pixels: foundations,
// tableaus (each cell of a row of cells on its own; none from the serpentine grid), reserves and
// the waste unless the game closes it to drops.
std::vector<DropCandidate> DropCandidatesAt(const GameContext& context, const BoardGeometry& board, int x, int y);

// The area a pile covers on the window: its place, one card, as far as its cards reach.
PixelRect PileArea(const GameContext& context, const BoardGeometry& board, PileRef pile);

}  // namespace marlowe
