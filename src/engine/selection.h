#pragma once
// The selection games: the player clicks cards to select them and a complete set leaves the
// table. The selection is kept in foundation 1, whose pile string lists the selected cards in
// the order they were chosen; selected cards are drawn highlighted.

#include "catalogue/rule_vector.h"
#include "engine/pile_store.h"

#include <optional>
#include <vector>

namespace marlowe {

class GameContext;

// A left click on card (0: none, e.g. an empty stock) of pile in a selection game.
void SelectCard(GameContext& context, PileRef pile, int card);

// What a selection amounts to for the game: not a possible set, a set still growing, a set.
enum class SelectionVerdict { Invalid, Partial, Complete };
SelectionVerdict JudgeSelection(const GameContext& context, const std::vector<int>& selected);

// Whether a click may select the card where it lies now.
bool SelectableCard(const GameContext& context, PileRef pile, int card);

// The pyramid games (one row per tableau, removed cards leaving gaps): the card is not covered
// by cards of the next row.
bool PyramidCardFree(const GameContext& context, int card);

// Where a card of the overlapping rows lies. Rows of peaks (the first row one card per peak,
// each row one more per peak, the last row joining them) leave the room of the missing cards
// between the peaks: the cell of the card `index` of `row`, counted in card steps from the row's
// start. A single pyramid's cards lie side by side.
int PyramidCellIndex(const RuleVector& rules, int row, int index);
// The card's place across the board in half card steps from the widest row's start: a card
// covers the cards of the row above that lie half a step to either side of it.
int PyramidHalfSteps(const RuleVector& rules, int row, int index);

// The selected cards, in the order chosen.
std::vector<int> SelectedCards(const GameContext& context);
// Where a card lies, foundation 1 (the selection) left out.
std::optional<PileRef> HomeOfCard(const GameContext& context, int card);

} // namespace marlowe
