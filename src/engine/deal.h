#pragma once
// The deal: lays the shuffled pack out on the piles of the current game. The same deal number
// and rules always give the same table, except in the one deal family that empties a pile at
// random. The deal also writes derived values into the rules (foundation and tableau base
// ranks), so every deal must start from the restored rule copy.

#include "engine/game_context.h"

#include <vector>

namespace marlowe {

class RandomSource;

// The table and words a deal starts from: GameCounter1..4 and DealCounter cleared,
// RedealsDone = 1, no blocked card, every pile empty and every card's face mark back to its
// start-up state (face up). The deal number and the rules are not touched.
void PrepareTableForDeal(GameContext& context);

// Deals the current game from the deal number in register (153, 15) onto a prepared table. The
// rules must be freshly loaded or restored from their copy (RuleVector::RestoreRuleCopy), since
// the deal overwrites the base ranks. random is used only by the deal family that empties a
// pile at random.
void DealGame(GameContext& context, RandomSource& random);

// Ranks with wrap: PrevRank(1) = 13, NextRank(13) = 1.
int PrevRank(int rank);
int NextRank(int rank);

// The most elements (cards and gaps) any of the game's tableau piles / reserves holds.
int MaxTableauLength(const GameContext& context);
int MaxReserveLength(const GameContext& context);

// A deal-time foundation move: the first of the game's foundations f..f (every foundation when
// f = -1) that may take card gets it, face up, from wherever it lies, and the move scores as
// one foundation card. False when none takes it (also for a foundation the game does not have).
bool TryCardToFoundation(GameContext& context, int card, int foundation);
// The same over the foundations that belong with tableau pile `pile`: piles 0..3 foundations
// 0..3, piles 6..9 foundations 4..7, any other pile foundations 0..7.
bool TryCardToFoundationGroup(GameContext& context, int card, int pile);
// Moves every tableau card that may go home right after the deal, by the game's first
// foundation starter (93 any foundation, 94 the pile's own, 95 the pile's group), positions
// from the bottom, in the visiting order of RuleVector[26].
void AutoFoundationAfterDeal(GameContext& context);

// Reorders sixteen cards by their ranks (the deal family that lays them out in a square).
std::vector<int> InterleaveSixteen(std::vector<int> pack);

} // namespace marlowe
