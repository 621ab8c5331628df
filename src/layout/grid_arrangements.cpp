// The special arrangements built on a grid of tableau piles, with the stock group and the
// foundations beside the grid. Each centres its block on the board.

#include "layout/layout_work.h"

#include "catalogue/rule_values.h"
#include "layout/card_positions.h"

#include <algorithm>
#include <initializer_list>

namespace marlowe {

namespace {

struct Grid {
    int x = 0;      // the top-left card
    int y = 0;
    int stepX = 0;  // from one column (row) to the next
    int stepY = 0;
    int columns = 0;
    int rows = 0;

    int Right(int cw) const { return x + (columns - 1) * stepX + cw; }
    int RowY(int r) const { return y + r * stepY; }
};

// A grid of cards with gaps, centred on the board with extraRight pixels of side piles at its
// right (extraLeft at its left), its left edge at least minLeft.
Grid CentredGrid(const LayoutWork& work, int columns, int rows, int gapX, int gapY, int extraLeft, int extraRight,
                 int minLeft)
{
    Grid grid{0, 0, work.cw + gapX, work.ch + gapY, columns, rows};
    const int width = extraLeft + columns * work.cw + (columns - 1) * gapX + extraRight;
    const int height = rows * work.ch + (rows - 1) * gapY;
    grid.x = std::max(CentreIn(work.w, width), minLeft) + extraLeft;
    grid.y = std::max(work.top + CentreIn(work.bottom - work.top, height), work.top + 2);
    return grid;
}

void PlaceTableaus(LayoutWork& work, const Grid& grid)
{
    PlaceGrid(work.board.tableaus, 0, grid.columns * grid.rows, grid.columns, grid.x, grid.y, grid.stepX, grid.stepY);
}

// "051": a 4 x 4 grid between the stock at its left (the waste under it when both are shown)
// and the secondary waste at its right; the side piles come closer when the board is narrow.
void PlaceFourByFourBetweenSides(LayoutWork& work)
{
    const int cw = work.cw;
    Grid grid{0, work.centred4[0], cw + 10, work.ch + 10, 4, 4};
    const int gridWidth = 4 * cw + 30;
    int gap = 0;
    for (const int tried : {70, 35, 15}) {
        gap = tried;
        grid.x = CentreIn(work.w, gridWidth);
        if (grid.x - gap - cw >= work.edgeGap)
            break;
    }
    grid.x = std::max(grid.x, work.edgeGap + cw + gap);
    PlaceTableaus(work, grid);
    const int sideY = grid.RowY(1) + (work.ch + 10) / 2;
    if (work.Rule(rule::StockShown) == 1 && work.Rule(rule::WasteShown) == 1) {
        work.Stock(kStockSlot) = {grid.x - gap - cw, grid.RowY(1)};
        work.Stock(kWasteSlot) = {grid.x - gap - cw, grid.RowY(2)};
    } else {
        work.Stock(kStockSlot) = {grid.x - gap - cw, sideY};
    }
    work.Stock(kSecondWasteSlot) = {grid.x + gridWidth + gap, sideY};
}

// "058": stock and waste above a 5 x 4 grid, two foundations on each side of rows 2 and 3.
void PlaceFiveByFourWithSides(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    Grid grid{0, 0, cw + 10, ch + 10, 5, 4};
    const int gridWidth = 5 * cw + 40;
    grid.x = std::max(CentreIn(work.w, gridWidth), cw + 30 + 2);
    // The four centred rows, moved down when the stock row above would not fit.
    grid.y = std::max(work.centred4[0], work.top + 2 + ch + 10);
    PlaceTableaus(work, grid);
    PlaceRow(work.board.stockGroup, kStockSlot, 2, grid.x, grid.y - ch - 10, cw + 10);
    for (int r = 0; r < 2; ++r) {
        work.Foundation(r) = {grid.x - 30 - cw, grid.RowY(1 + r)};
        work.Foundation(2 + r) = {grid.x + gridWidth + 30, grid.RowY(1 + r)};
    }
}

// "066": a 5 x 5 grid, the stock and the secondary waste at its right.
void PlaceFiveByFiveWithStock(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const Grid grid = CentredGrid(work, 5, 5, 3, work.LowScreen() ? 1 : 3, 0, 50 + cw, 15);
    PlaceTableaus(work, grid);
    const int sideX = grid.Right(cw) + 50;
    work.Stock(kStockSlot) = {sideX, grid.RowY(1) + ch / 3};
    work.Stock(kSecondWasteSlot) = {sideX, grid.RowY(3) - ch / 3};
}

// "081": a 5 x 4 grid, the stock at its left (the waste under it when both are shown), eight
// foundations in two columns at its right.
void PlaceFiveByFourWithEight(LayoutWork& work)
{
    const int cw = work.cw;
    Grid grid = CentredGrid(work, 5, 4, 5, 10, cw + 40, 40 + 2 * cw + 5, 25);
    grid.y = work.centred4[0];
    PlaceTableaus(work, grid);
    const bool stockShown = work.Rule(rule::StockShown) == 1;
    const int sideX = grid.x - cw - 40;
    if (stockShown && work.Rule(rule::WasteShown) == 1) {
        work.Stock(kStockSlot) = {sideX, grid.RowY(1)};
        work.Stock(kWasteSlot) = {sideX, grid.RowY(2)};
    } else {
        work.Stock(stockShown ? kStockSlot : kWasteSlot) = {sideX, grid.RowY(1) + grid.stepY / 2};
    }
    const int right = grid.Right(cw) + 40;
    for (int i = 0; i < 8; ++i)
        work.Foundation(i) = {right + (i / 4) * (cw + 5), grid.RowY(i % 4)};
}

// "098": stock and secondary waste at the top, two rows of six tableaus below.
void PlaceTwoRowsUnderStock(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int y = work.rowY[0];
    const int stockX = CentreIn(work.w, 2 * cw + 25);
    work.Stock(kStockSlot) = {stockX, y};
    work.Stock(kSecondWasteSlot) = {stockX + cw + 25, y};
    const Grid grid{std::max(CentreIn(work.w, 6 * cw + 50), 10), y + ch + 40, cw + 10, ch + 30, 6, 2};
    PlaceTableaus(work, grid);
}

// "123", "124", "125": a square grid; a secondary waste, when the game has one, at its right.
void PlaceSquareGrid(LayoutWork& work, int side, int gap, int wasteGap, int wasteY2)
{
    const int cw = work.cw;
    const bool withWaste = wasteGap > 0 && work.secondWasteCount == 1;
    const Grid grid = CentredGrid(work, side, side, gap, gap, 0, withWaste ? wasteGap + cw : 0, work.edgeGap);
    PlaceTableaus(work, grid);
    if (withWaste)
        work.Stock(kSecondWasteSlot) = {grid.Right(cw) + wasteGap, grid.y + wasteY2 * grid.stepY / 2};
}

// "126": rows of four, five and four tableaus, the rows of four half a pile in.
void PlaceFourFiveFour(LayoutWork& work)
{
    const Grid grid = CentredGrid(work, 5, 3, 10, 10, 0, 0, work.edgeGap);
    const int half = grid.stepX / 2;
    PlaceRow(work.board.tableaus, 0, 4, grid.x + half, grid.RowY(0), grid.stepX);
    PlaceRow(work.board.tableaus, 4, 5, grid.x, grid.RowY(1), grid.stepX);
    PlaceRow(work.board.tableaus, 9, 4, grid.x + half, grid.RowY(2), grid.stepX);
}

// "127", "128", "129": one column of tableaus at the left, the secondary waste level with its
// middle, cardWidths card widths to its right.
void PlaceColumnAtLeft(LayoutWork& work, int count, int cardWidths)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int height = count * ch + (count - 1) * 10;
    const int top = std::max(work.top + CentreIn(work.bottom - work.top, height), work.rowY[0]);
    const int x = work.edgeGap;
    PlaceGrid(work.board.tableaus, 0, count, 1, x, top, 0, ch + 10);
    const int wasteX = std::min(x + cw + cardWidths * cw, work.w - cw);
    work.Stock(kSecondWasteSlot) = {wasteX, top + CentreIn(height, ch)};
}

// "228": a tower of centred rows, one card in the first and one more in each next row up to
// GridColumns, then rows of GridColumns (Eiffel Tower: 1, 2, 3, 4, 5 and 5); the stock and the
// waste at the top left, beside its first rows.
void PlaceTower(LayoutWork& work)
{
    const int widest = std::max(work.Rule(rule::GridColumns), 1);
    const int count = std::min(work.tableauCount, kMaxTableaus);
    int rows = 0;
    for (int placed = 0; placed < count; ++rows)
        placed += std::min(rows + 1, widest);
    // Rows overlap, each showing the corner of the cards above, where the board is too low.
    const int room = work.bottom - work.top - 4;
    const int gapY = std::min(6, rows > 1 ? (room - rows * work.ch) / (rows - 1) : 6);
    const Grid grid = CentredGrid(work, widest, rows, 10, gapY, 0, 0, work.edgeGap);
    for (int r = 0, placed = 0; r < rows; ++r) {
        const int inRow = std::min({r + 1, widest, count - placed});
        PlaceRow(work.board.tableaus, placed, inRow, grid.x + (widest - inRow) * grid.stepX / 2, grid.RowY(r), grid.stepX);
        placed += inRow;
    }
    work.Stock(kStockSlot) = {work.edgeGap, grid.y};
    work.Stock(kWasteSlot) = {work.edgeGap + grid.stepX, grid.y};
}


// "229": the tableau as a block between two columns of foundations, the first half of them at
// its left and the second half at its right, a row below the top; the stock heads the left
// column and the waste, when shown, the right one. The block is GridColumns piles a row, or, for
// rows of cells, one row of cells per tableau pile; a block no taller than the foundation
// columns stands level with them (Sly Fox's rows of piles beside the Aces and the Kings).
void PlaceBetweenFoundationColumns(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gapX = work.w < 900 ? 6 : 10;
    const int gapY = work.LowWindow() ? 4 : 8;
    const bool cells = work.Rule(rule::TableauStyle) == pile_style::RowOfCells;
    const int count = std::min(work.tableauCount, kMaxTableaus);
    const int columns = cells ? 1 : std::max(static_cast<int>(work.Rule(rule::GridColumns)), 1);
    const int rows = (count + columns - 1) / columns;
    const int blockWidth = cells ? RowOfCellsWidth(work.rules, 0, cw) : columns * cw + (columns - 1) * gapX;
    const int perColumn = (work.foundationCount + 1) / 2;
    const int side = cw + 2 * gapX + 4; // a column of foundations and its gap to the block
    const int firstRow = !cells && rows <= perColumn ? 1 : 0;
    const int height = std::max(firstRow + rows, perColumn + 1) * (ch + gapY) - gapY;
    const int left = std::max(CentreIn(work.w, blockWidth + 2 * side), work.edgeGap);
    const int top = std::max(work.top + CentreIn(work.bottom - work.top, height), work.rowY[0]);
    const int stepY = ch + gapY;
    PlaceTableaus(work, Grid{left + side, top + firstRow * stepY, cw + gapX, stepY, columns, rows});
    const int right = left + side + blockWidth + side - cw;
    work.Stock(kStockSlot) = {left, top};
    if (work.stockCount >= 2 && work.Rule(rule::WasteShown) == 1)
        work.Stock(kWasteSlot) = {right, top};
    for (int i = 0; i < work.foundationCount; ++i)
        work.Foundation(i) = {i < perColumn ? left : right, top + (1 + i % perColumn) * stepY};
}

// "243": rows of GridColumns tableau piles, each centred, under a centred row of foundations
// (Step-Up's three steps); the stock and the waste at the left of the last row.
void PlaceStepsUnderFoundations(LayoutWork& work)
{
    const int columns = std::max(static_cast<int>(work.Rule(rule::GridColumns)), 1);
    const int count = std::min(work.tableauCount, kMaxTableaus);
    const int rows = (count + columns - 1) / columns;
    // The gap narrows where a full row would otherwise run past the board's side.
    const int room = work.w - 2 * work.edgeGap - columns * work.cw;
    const int stepX = work.cw + std::clamp(columns > 1 ? room / (columns - 1) : 0, 2, work.w < 900 ? 6 : 10);
    const int stepY = work.ch + (work.LowWindow() ? 4 : 8);
    const int left = std::max(CentreIn(work.w, columns * stepX - (stepX - work.cw)), work.edgeGap);
    const auto centredFrom = [&](int inRow) { return left + (columns - inRow) * stepX / 2; };
    const int top = work.rowY[0];
    const int homes = std::min(work.foundationCount, columns);
    PlaceRow(work.board.foundations, 0, homes, centredFrom(homes), top, stepX);
    for (int r = 0, placed = 0; r < rows; ++r) {
        const int inRow = std::min(columns, count - placed);
        PlaceRow(work.board.tableaus, placed, inRow, centredFrom(inRow), top + (r + 1) * stepY, stepX);
        placed += inRow;
    }
    const int lastRowY = top + rows * stepY;
    work.Stock(kStockSlot) = {left, lastRowY};
    if (work.stockCount >= 2)
        work.Stock(kWasteSlot) = {left + stepX, lastRowY};
}

} // namespace

bool PlaceGridArrangement(LayoutWork& work)
{
    const bool low = work.LowWindow();
    switch (work.tableau.arrangement) {
    case 51: PlaceFourByFourBetweenSides(work); return true;
    case 58: PlaceFiveByFourWithSides(work); return true;
    case 66: PlaceFiveByFiveWithStock(work); return true;
    case 81: PlaceFiveByFourWithEight(work); return true;
    case 98: PlaceTwoRowsUnderStock(work); return true;
    case 123: PlaceSquareGrid(work, 4, 10, 2 * work.cw, 3); return true;      // between rows 2 and 3
    case 124: PlaceSquareGrid(work, 3, low ? 10 : 15, 0, 0); return true;
    case 125: PlaceSquareGrid(work, 5, low ? 1 : 3, work.cw, 4); return true; // beside row 3
    case 126: PlaceFourFiveFour(work); return true;
    case 127: PlaceColumnAtLeft(work, 4, 7); return true;
    case 128: PlaceColumnAtLeft(work, 5, 9); return true;
    case 129: PlaceColumnAtLeft(work, 3, 5); return true;
    case arrangement::tableau::Tower: PlaceTower(work); return true;
    case arrangement::tableau::BetweenFoundationColumns: PlaceBetweenFoundationColumns(work); return true;
    case arrangement::tableau::StepsUnderFoundations: PlaceStepsUnderFoundations(work); return true;
    default: return false;
    }
}

} // namespace marlowe
