#pragma once
// The size of a card on the board and the steps by which the cards of a pile fan out. Both
// follow the card size letter ("X", "S", "B", "M", "L"); the fan steps also follow the game's
// pile styles, since a game that never fans a pile downward has no downward step.

#include "app/register_settings.h"
#include "catalogue/rule_vector.h"

namespace marlowe {

// The coordinate of a pile that has no place on the board; readers skip any x below -9999.
constexpr int NotPlaced = -10000;
constexpr bool IsPlaced(int x) { return x >= -9999; }

struct CardMetrics {
    int cardWidth = 71;
    int cardHeight = 96;
    int shadowDepth = 0; // 9 with card shadows, else 0
};

// The card of a size letter (any unknown letter is "B").
CardMetrics CardMetricsFor(char sizeLetter, bool shadows);
// A card of any pixel size (the card size "Auto"), kept to the proportions of the fixed sizes.
CardMetrics CardMetricsOfWidth(int cardWidth, bool shadows);

// Fan steps in pixels. A step the game does not use is 0.
struct FanSteps {
    int faceUpDown = 0;    // downward fans: a face-up card moves the next one down by this
    int faceDownDown = 0;  // ... and a face-down card by this
    int faceUpRight = 0;   // rightward (and leftward) fans
    int faceDownRight = 0;
    int fixedRight = 0;    // style 6: every card the same step
    int gridGapX = 0;      // style 8: the serpentine grid's gaps between cells
    int gridGapY = 0;
};
constexpr int kDepthStep = 3; // style 5: each card 3 pixels below the one under it
constexpr int kRowGap = 6;    // style 4: a full card width plus 6 pixels per card

// The steps of a size letter for the game's styles.
FanSteps ComputeFanSteps(char sizeLetter, const RuleVector& rules);
// The steps of a card of any width: those of size "B" grown or shrunk with the card.
FanSteps ComputeFanStepsOfWidth(int cardWidth, const RuleVector& rules);

} // namespace marlowe
