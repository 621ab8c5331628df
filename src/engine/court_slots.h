#pragma once
// The court slots of a selection game (Suit Elevens): a Jack, Queen or King chosen alone goes
// from the table into the reserve that takes it, and once every slot holds its court the three
// leave together as a set.

#include "engine/table.h"

namespace marlowe {

// The first reserve (0-based) that takes the card as a court slot; -1 when none does.
int CourtSlotFor(const GameContext& context, int card);
// The selected court goes into its slot, the selection let go; false when it has none.
bool SendCourtToSlot(GameContext& context);
// Once every slot holds a card, they leave the table together as a set.
void DiscardFullCourtSlots(GameContext& context);

} // namespace marlowe
