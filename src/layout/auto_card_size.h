#pragma once
// The card size "Auto": the largest card at which the game's whole board fits the window, its
// fanned piles included at the length play is expected to bring them to.

#include "catalogue/rule_vector.h"
#include "layout/board_layout.h"

namespace marlowe {

// The smallest and largest card widths "Auto" chooses between.
inline constexpr int kAutoCardMinWidth = 36;
inline constexpr int kAutoCardMaxWidth = 640;

// The cards a downward-fanned pile is expected to hold at its longest: the face-down cards it
// is dealt, then a whole suit's run face up (or the face-up cards it is dealt, when more).
struct ExpectedFan {
    int faceDown = 0;
    int faceUp = 1;
};
ExpectedFan ExpectedTableauFan(const RuleVector& rules, int tableau);

// True when every pile, each downward fan at its expected length, lies inside the frame of the
// request and no fan runs into a pile below it. The card size of board must be set first; the
// layout is computed into board.
bool LayoutFits(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board);

// The card width of "Auto" for the request; the layout at that width is left in board.
int AutoCardWidth(const RuleVector& rules, const LayoutRequest& request, bool shadows, BoardGeometry& board);

// The card to draw with when the player chose the fixed size sizeLetter: that size, or where its
// board runs past the window's sides (which do not scroll) the largest smaller size down to "M"
// that keeps every pile between them; failing those, kAutoSizeLetter for the card of "Auto". A
// board too tall is left to the window's scrolling. The layout of the returned card is left in board.
char FittingFixedSize(const RuleVector& rules, const LayoutRequest& request, char sizeLetter, bool shadows,
                      BoardGeometry& board);

} // namespace marlowe
