#pragma once
// The game-specific redeals the card model carries out exactly.

namespace marlowe {

class GameContext;

// The redeal that moves the bottom card of every tableau pile to its top (Crescent): a stock
// that never holds cards, a click on it that does nothing but that redeal while passes last,
// and no row or reserve deals.
bool BottomCardsToTopModelled(const GameContext& context);

} // namespace marlowe
