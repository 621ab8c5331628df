#pragma once
// The flight of cards across the board, as arithmetic: where the moving cards stand after each
// step and how long the program waits there. The window only draws what this computes, so the
// timing and the path are the same with or without a display.

#include <vector>

namespace marlowe {

struct GlideRequest {
    int fromX = 0;
    int fromY = 0;
    int toX = 0;           // below -9999: the pile has no place; the cards leave the board
    int toY = 0;
    int speed = 10;        // the pause in milliseconds per step, register (74, 2)
    int cardWidth = 71;
    int cardHeight = 96;
    bool fast = false;     // quarter pauses
    bool smallStep = false; // steps of nine tenths, for a finer glide
    bool raised = false;   // aims shadowDepth up and left of the target, then settles onto it
    int shadowDepth = 0;
};

// One frame of a glide: the program waits waitMs (letting window events through), then shows
// the cards with their top-left corner at (x, y).
struct GlideStep {
    int x = 0;
    int y = 0;
    int waitMs = 0;
};

// The frames of a glide in order; the last one is the cards' final place. A glide of no
// distance is a single frame at the target.
std::vector<GlideStep> GlidePath(const GlideRequest& request);

}  // namespace marlowe
