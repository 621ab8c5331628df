#pragma once
// Where each card of a pile is drawn: the pile's place plus one fan step for every card below
// it, by the pile's style. Drawing, hit-testing, move execution and animation all ask here, so
// a card is always found where it was drawn.

#include "layout/board_geometry.h"

#include <string_view>

namespace marlowe {

class GameContext;

// The style of tableau pile `tableau` (0-based): the tableau style, or with style 11 each
// pile's own: with a split fan, piles 0-6 fanned right and 7-11 left; otherwise -1, no offset.
int TableauStyleOf(const RuleVector& rules, int tableau);
// The style of any pile; the stock group is always squared.
int PileStyle(const RuleVector& rules, PileRef pile);

// The width of a row of cells from its first cell's x to its last cell's right edge: the
// longest the row may grow to, or the cards dealt to it.
int RowOfCellsWidth(const RuleVector& rules, int tableau, int cardWidth);

// The place of a card of the pile: k = 0 the top card, k = j the card j places below the top;
// with countNext, where one more card would go. NotPlaced for a pile without a place.
Place CardPosition(const GameContext& context, const BoardGeometry& board, PileRef pile, int k, bool countNext);
// The same by pile name ("Fila3", "Mazzo_Vis"); NotPlaced for a name that is no pile.
int CardPositionX(const GameContext& context, const BoardGeometry& board, std::string_view pileName, int k,
                  bool countNext);
int CardPositionY(const GameContext& context, const BoardGeometry& board, std::string_view pileName, int k,
                  bool countNext);

} // namespace marlowe
