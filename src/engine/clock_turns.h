#pragma once
// The traditional Clock: thirteen face-down piles, the last of them the centre. The player turns
// the top card of the pile the last card named (the centre first), and the card goes at once to
// the foundation of its rank; the game leaves no choice. Which pile is named next follows from
// the table alone: every card taken from a pile went to a foundation, so the named pile is the
// one whose foundation holds more cards than the pile has given, or else the centre.

namespace marlowe {

class GameContext;

// The tableau pile whose top card may be turned now (0-based); -1 when that pile is empty.
int ClockPileToTurn(const GameContext& context);
// A click on card of tableau: turns it and sends it to its rank's foundation when the pile is
// the one named, or, where the game allows it once, when the pile named is empty and this pile
// lends its top card. True when the table changed.
bool ClockTurn(GameContext& context, int tableau, int card);

} // namespace marlowe
