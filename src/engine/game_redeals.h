#pragma once
// The game-specific redeals started from the stock when a game's redeal style is 1 or more:
// the table's cards are gathered, put in a fixed new order and dealt again, or moved by a
// fixed pattern. The caller has counted the redeal in RedealsDone and recorded the undo
// snapshot; the redeal annotates that snapshot, so one Undo takes the whole redeal back.

#include <vector>

namespace marlowe {

class GameContext;

// Carries out the redeal of the game's style (rule::RedealStyle).
void SpecialRedeal(GameContext& context);

// The fixed mixing order of a redeal: cards are taken from the gathered list starting at half
// its length; after each card the index moves on by 5 when an even number of cards has been
// taken, by 2 when an odd number, and starts again at 0 past the end. No random element.
std::vector<int> MixGathered(std::vector<int> gathered);

} // namespace marlowe
