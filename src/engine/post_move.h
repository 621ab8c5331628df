#pragma once
// The automatic consequences of a move: complete sequences leaving the tableau, exposed cards
// turning up, the jump capture of grid games and the exchange on a two-card tableau. None of
// them adds an undo point of its own: each undoes together with the move that caused it.

#include "engine/table.h"

namespace marlowe {

// Whether card may lie under the card above it (above) in a complete sequence of the kind (a
// foundation base rank that takes whole sequences), given the tableau's own building code.
bool FollowsInSequence(int kind, int tableauCode, int above, int card);
// A complete sequence on top of tableau pile k (0-based) goes to the first empty foundation
// that takes whole sequences. Does nothing for a pile outside the game.
void RemoveCompleteSequence(GameContext& context, int tableau);
// Turns up the face-down top card of every tableau pile, when the game and the player want it.
void TurnUpExposedCards(GameContext& context);
// Whether reserve r turns its face-down top card up once the card above it has gone: a reserve
// dealt with its top card face up that the stock does not deal to (Canfield's reserve).
bool ReserveTopTurnsUp(const RuleVector& rules, int reserve);
// Turns up the face-down top card of every reserve that ReserveTopTurnsUp names. This is a rule
// of the game, not a play aid: the player's automatic face-up setting does not change it.
void TurnUpReserveTops(GameContext& context);
// After a card from location jumped onto tableau pile k, the card it jumped over leaves for
// the secondary waste.
void CaptureJumpedCard(GameContext& context, CardLocation from, int tableau);
// A tableau pile that now holds two cards, the lower not of its base rank, hands the lower card
// back to the pile the moved card came from.
void ExchangeOnTwoCardTableau(GameContext& context, int tableau, CardLocation from);

} // namespace marlowe
