#pragma once
// The player's pointer on the table, as decisions over piles and cards: what a press picks up
// (or does instead), what a release does with the held cards, the one-click sends of the
// double and right clicks, and the autoplay that follows a release. The window hit-tests
// pixels and calls these with the pile and card under the pointer.

#include "engine/autoplay.h"
#include "engine/pile_store.h"

#include <optional>
#include <vector>

namespace marlowe {

class GameContext;

enum class PointerButton { Left, Right };

// What a press did.
enum class PressResult {
    Nothing,   // nothing picked, nothing done
    Picked,    // cards are held (context.hold)
    Acted,     // the press did something itself: turned a card, clicked the stock, sent a card
};

// A press on card (0: an empty pile) of pile; no pile when the press hit none.
PressResult PointerDown(GameContext& context, PointerButton button, bool ctrl, std::optional<PileRef> pile, int card);
// The pointer moved: held cards are now being dragged.
void PointerMove(GameContext& context);
// The pointer left the pressed stock before the release: the redeal that waited is cancelled.
void PointerLeftStock(GameContext& context);
// The release. Held cards that were dragged go to the first of the candidate piles under them
// that takes them, or back where they came from. Then the automatic play runs.
void PointerUp(GameContext& context, const std::vector<DropCandidate>& candidates);

// The one-click sends: the card goes to the first pile of the kinds the preferences allow.
bool DoubleClickSend(GameContext& context, std::optional<PileRef> pile, int card);
bool RightClickSend(GameContext& context, std::optional<PileRef> pile, int card);

// Whether a right press shows a hidden card whole (the window's peek) instead of sending it:
// always with Ctrl, and in the games whose right button does not send.
bool RightPressPeeks(const GameContext& context, bool ctrl);

// How many cards a press on card in pile would pick up (0: none), without picking.
int PickableCount(const GameContext& context, PileRef pile, int card);
// Whether a left press on card in pile plays it at once instead of picking it up: the
// Golf-style games send a fitting tableau top card straight to the secondary waste.
bool PressPlaysCard(const GameContext& context, PileRef pile, int card);

} // namespace marlowe
