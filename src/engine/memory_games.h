#pragma once
// The memory games: the player turns face-down tableau cards
// up one at a time; a wrong card or an unmatched pair is a miss, after which every face-up
// tableau card turns face down again.

#include "engine/presentation.h"

namespace marlowe {

class GameContext;

// A click on card of tableau (0-based). True when it turned a card.
bool MemoryClick(GameContext& context, int tableau, int card);
// The run game's face-up cards, when they run up from the Ace with none missing: their count;
// else 0. The cards turned are the record, so nothing is copied elsewhere.
int MemoryRunLength(const GameContext& context);
// Whether the table is done: every card taken, or in the run game every card turned up.
bool MemoryTableDone(const GameContext& context);
// A failed attempt: counted in Misses; the face-up tableau cards turn face down one by one.
void MemoryMiss(GameContext& context);
// What the end of a memory game shows (also for the counting variant, whose play is not built here).
MemorySummary MemorySummaryOf(const GameContext& context, bool won);

} // namespace marlowe
