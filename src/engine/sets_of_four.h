#pragma once
// The discard pile of four of a kind (Perpetual Motion): four cards of one rank leave the tableau
// by themselves, either lying together on top of one pile or showing as the tops of four piles.
// Each removal undoes together with the move or the deal that made the set.

#include "engine/table.h"

namespace marlowe {

// Whether the game's first foundation takes sets of four of a kind.
bool DiscardsFoursOfAKind(const GameContext& context);
// Every set the table shows goes: four tops of one rank, then any pile topped by four of a
// kind, again until none is left.
void DiscardSetsOfFour(GameContext& context);

} // namespace marlowe
