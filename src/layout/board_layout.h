#pragma once
// The board layout: turns the game's placement codes, the card size and the board rectangle
// into the place of every pile. No game carries coordinates; each pile group names a row and
// an arrangement, and the arithmetic here spreads the group over the board.

#include "layout/board_geometry.h"
#include "catalogue/rule_vector.h"

#include <vector>

namespace marlowe {

struct LayoutRequest {
    BoardFrame frame;
    int screenWidth = 1024; // the whole display: a few spacings depend on it, not on the window
    int screenHeight = 768;
    int scrollPosition = 0; // where the board's scroll bar stands
};

// A board of a client size with no toolbar or status bar, as the command line, the previews of
// the tests and the pictures of a deal use; a screen size of 0 is the board's own.
LayoutRequest PlainBoardRequest(int width, int height, int screenWidth = 0, int screenHeight = 0);

// Fills the places, fan room and scroll offset of board for the game's rules. The card size
// and fan steps of board must be set first (BoardGeometry::SetCardSize). Every pile starts
// NotPlaced, so a pile the arrangements do not reach has no place.
void ComputeBoardLayout(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board);

// The arrangements that lay out the whole board by themselves.
bool IsSpecialArrangement(int tableauArrangement);

// The piles a game has on its board, in drawing order: the stock group piles it counts, its
// foundations, tableaus and reserves.
std::vector<PileRef> PilesOnBoard(const RuleVector& rules);

} // namespace marlowe
