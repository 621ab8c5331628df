#pragma once
// Short names for the cards of the tests' hand-made tables: H(5) is the five of hearts.

#include "engine/cards.h"

namespace marlowe {

inline int H(int rank) { return CardCode(Hearts, rank); }
inline int D(int rank) { return CardCode(Diamonds, rank); }
inline int C(int rank) { return CardCode(Clubs, rank); }
inline int S(int rank) { return CardCode(Spades, rank); }

} // namespace marlowe
