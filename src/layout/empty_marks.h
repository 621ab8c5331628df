#pragma once
// What an empty pile shows: the mark that tells the player what may be put there, and when a
// foundation counts as complete for its highlight. Pure rules over the game's state, shared by
// the drawing and the tests.

#include "engine/pile_store.h"

#include <string>

namespace marlowe {

class GameContext;

// The mark name of an empty pile ("StockUp", "FoundationA", "Position", ...), "empty-stock" for
// the families whose empty stock shows a picture of its own, or "" when the pile shows no mark
// and the background stays visible.
std::string EmptyMarkName(const GameContext& context, PileRef pile);

// The mark of a base rank, or "" when the rank has no picture of its own.
std::string BaseRankMarkName(int baseRank);

// A foundation is complete when it holds its target count of cards (the game's common count
// when its own is -1).
bool IsFoundationComplete(const GameContext& context, int foundation);

}  // namespace marlowe
