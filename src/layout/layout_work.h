#pragma once
// The working values of one board layout, shared by the general and the special arrangements.

#include "layout/board_layout.h"

#include <algorithm>
#include <array>
#include <optional>

namespace marlowe {

// A pile group's placement: the row (1 top .. 4; 0 when the game gives none) and the number
// of its arrangement.
struct PlacementCode {
    int row = 0;
    int arrangement = 0;
};

struct LayoutWork {
    LayoutWork(const RuleVector& gameRules, BoardGeometry& geometry) : rules(gameRules), board(geometry) {}

    const RuleVector& rules;
    BoardGeometry& board;
    int cw = 0, ch = 0, shadow = 0; // card width, card height, shadow depth
    int top = 0, bottom = 0, outerHeight = 0;
    int screenWidth = 0, screenHeight = 0;

    int w = 0; // the working width
    int rowGap = 0, groupGap = 0, edgeGap = 0, stockMargin = 0;
    std::array<int, 4> rowY{};
    std::array<int, 3> centred3{};
    std::array<int, 4> centred4{};

    PlacementCode stock, foundation, tableau, reserve, secondWaste;
    int stockCount = 0, foundationCount = 0, tableauCount = 0, reserveCount = 0, secondWasteCount = 0;

    int tableauGap = 0;    // the spacing of the tableau row, 0 when the arrangement sets none
    int foundationGap = 0;
    std::optional<int> restartLeft; // the left edge of a second pass that clears the reserves

    bool LowScreen() const { return screenHeight < 500; }
    bool LowWindow() const { return outerHeight < 500; }
    int Rule(int index) const { return rules[index]; }
    // The y of row r (0-based); rows past the fourth continue at the same spacing.
    int RowAt(int r) const;
    // A group's row: row digit d at rowY[d-1], a missing digit read as the top row.
    int RowOf(const PlacementCode& code) const { return RowAt(std::max(code.row, 1) - 1); }
    // Row r of the centred sets, continuing below their last row.
    int Centred3At(int r) const;
    int Centred4At(int r) const;

    Place& Stock(int slot) { return board.stockGroup.at(static_cast<std::size_t>(slot)); }
    Place& Foundation(int i) { return board.foundations.at(static_cast<std::size_t>(i)); }
    Place& Tableau(int i) { return board.tableaus.at(static_cast<std::size_t>(i)); }
    Place& Reserve(int i) { return board.reserves.at(static_cast<std::size_t>(i)); }
};

// trunc((total - span) / 2): the left or top edge that centres span in total.
inline int CentreIn(int total, int span) { return (total - span) / 2; }

// Places count piles from first, left to right from x in steps of stepX, all at y.
template <std::size_t N>
void PlaceRow(std::array<Place, N>& places, int first, int count, int x, int y, int stepX)
{
    for (int i = 0; i < count && first + i < static_cast<int>(N); ++i)
        places[static_cast<std::size_t>(first + i)] = Place{x + i * stepX, y};
}

// Places count piles from first in a grid of columns, row by row.
template <std::size_t N>
void PlaceGrid(std::array<Place, N>& places, int first, int count, int columns, int x, int y, int stepX, int stepY)
{
    for (int i = 0; i < count; ++i)
        PlaceRow(places, first + i, 1, x + (i % columns) * stepX, y + (i / columns) * stepY, 0);
}

// The general arrangements, in the order the layout runs them.
void PlaceTableauRow(LayoutWork& work);
void PlaceStockGroup(LayoutWork& work);
void PlaceFoundations(LayoutWork& work);
void PlaceReserves(LayoutWork& work);
void PlaceSecondWaste(LayoutWork& work);
// Whether the last reserve of a row from the left comes near a tableau pile.
bool LastReserveCrowdsTableaus(LayoutWork& work);

// The special arrangements; false when the number is not one of them.
bool PlaceSpecialArrangement(LayoutWork& work);
bool PlaceGridArrangement(LayoutWork& work);

} // namespace marlowe
