// The general arrangements: the tableau row, then the stock group, the foundations, the
// reserves and the secondary waste, each placed by its group's arrangement number, mostly
// relative to the tableau piles.

#include "layout/card_positions.h"
#include "layout/layout_work.h"

#include "catalogue/rule_values.h"

namespace marlowe {

namespace {

bool UsesOverColumns(const LayoutWork& work)
{
    return work.stock.arrangement == arrangement::stock::OverFirstColumns || work.secondWaste.arrangement == arrangement::second_waste::OverThirdColumn;
}

// One row spread over the width ("001", "014", "015").
void PlaceSpreadRow(LayoutWork& work, int arrangement)
{
    const int n = work.tableauCount;
    const int cw = work.cw;
    int gap = std::clamp((work.w - n * cw) / (n + 1), 4, 20);
    if (n > 8)
        gap = std::min(gap, 14);
    if (arrangement == arrangement::tableau::SpreadRow && UsesOverColumns(work))
        gap = std::max(gap, 15);
    int x0 = CentreIn(work.w, n * cw + (n - 1) * gap);
    if (x0 < work.stockMargin) {
        if (arrangement == arrangement::tableau::SpreadRow) {
            x0 = work.stockMargin;
        } else {
            if (n > 1) {
                const double shortfall = static_cast<double>(work.stockMargin - x0) / (n - 1);
                gap = std::clamp(gap - static_cast<int>(shortfall + 0.99), 4, 20);
            }
            const bool narrow = work.screenWidth < 650;
            if (narrow && arrangement == arrangement::tableau::SpreadRowHigh && n == 10) {
                x0 = 15;
                gap = 3;
            } else if (narrow && (work.foundationCount == 8 || n == 10)) {
                x0 = work.stockMargin - 2;
            } else {
                x0 = work.stockMargin;
            }
        }
    }
    work.tableauGap = gap;
    // Piles under a stock group laid over the first columns keep 15 pixels between them.
    const int wideSpacings = arrangement != arrangement::tableau::SpreadRow && UsesOverColumns(work) && gap < 15 ? work.stockCount - 1 : 0;
    int x = x0;
    for (int i = 0; i < n; ++i) {
        work.Tableau(i).x = x;
        x += cw + (i < wideSpacings ? 15 : gap);
    }
}

// A centred row with a fixed gap ("002").
void PlaceCentredRow(LayoutWork& work)
{
    const int n = work.tableauCount;
    const int gap = work.w < 650 ? 5 : 10;
    const int x0 = std::max(CentreIn(work.w, n * work.cw + (n - 1) * gap), work.restartLeft.value_or(work.stockMargin));
    work.tableauGap = gap;
    PlaceRow(work.board.tableaus, 0, n, x0, work.Tableau(0).y, work.cw + gap);
}

// A row with one ("003", "012") or two ("011", "021") columns of stock-group piles at its left.
void PlaceRowRightOfColumns(LayoutWork& work, int arrangement)
{
    const bool oneColumn = arrangement == arrangement::tableau::RowRightOfColumn || arrangement == arrangement::tableau::RowRightOfColumnToo;
    const int m = oneColumn ? 1 : 2;
    const int k = oneColumn ? 2 : 1;
    if (oneColumn && work.LowScreen()) {
        work.groupGap = std::min(work.groupGap, 10);
        work.stockMargin = 15;
    }
    const int n = work.tableauCount;
    const int cw = work.cw;
    int gap = (work.w - (m + n) * cw - k * work.groupGap - 15 * m) / (n + 4);
    gap = gap < 4 ? 4 : gap > 20 ? 15 : gap;
    if (arrangement == arrangement::tableau::RowRightOfTwoColumnsTight)
        gap = 4;
    int x0 = (work.w - 15 * m - k * work.groupGap - (m + n) * cw - gap * n) / 2;
    const int f = work.foundationCount;
    if (f < 8 || (f == 8 && m == 1))
        x0 = std::max(x0, work.stockMargin);
    else
        x0 = std::max(x0, work.LowScreen() ? -4 : 1);
    x0 += m * cw + 15 * m + k * work.groupGap;
    if (arrangement == arrangement::tableau::RowRightOfTwoColumns || arrangement == arrangement::tableau::RowRightOfColumnToo)
        x0 += work.groupGap;
    work.tableauGap = gap;
    PlaceRow(work.board.tableaus, 0, n, x0, work.Tableau(0).y, cw + gap);
}

// A grid of RuleVector[368] rows from the left ("010") or spread wide ("018").
void PlaceTableauGrid(LayoutWork& work, int arrangement)
{
    const int n = work.tableauCount;
    const int rows = std::max(static_cast<int>(work.Rule(rule::TableauGridRows)), 1);
    const int columns = std::max((n + rows - 1) / rows, 1); // a short last row when the rows do not come out even
    const int cw = work.cw;
    int gap = 0;
    int x0 = 0;
    if (arrangement == arrangement::tableau::GridOfRows) {
        gap = static_cast<int>(0.85 * cw);
        x0 = 15;
    } else {
        gap = std::max((work.w - columns * cw - 2) / (columns + 1), static_cast<int>(1.5 * cw));
        x0 = work.LowScreen() ? 15 : work.stockMargin + 10;
    }
    // Rows of cells reach across the board: they start further left when their last cell would
    // not fit.
    if (work.Rule(rule::TableauStyle) == pile_style::RowOfCells && columns == 1)
        x0 = std::min(x0, std::max(work.w - RowOfCellsWidth(work.rules, 0, cw), 0));
    work.tableauGap = gap;
    // A single row of "010" stands centred; more rows take the row table and "018" the four
    // centred rows, both from the tableau's own row.
    const int firstRow = std::max(work.tableau.row, 1) - 1;
    for (int i = 0; i < n; ++i) {
        const int row = i / columns;
        int y = 0;
        if (arrangement == arrangement::tableau::GridOfCentredRows)
            y = work.Centred4At(firstRow + row);
        else
            y = rows == 1 ? work.centred3[0] : work.RowAt(firstRow + row);
        work.Tableau(i) = Place{x0 + (i % columns) * (cw + gap), y};
    }
}

// The x of the column under which slot `index` of a group laid over the tableau columns goes;
// past the last column the row continues at the tableau spacing.
int ColumnX(LayoutWork& work, int index)
{
    const int n = work.tableauCount;
    if (n == 0)
        return NotPlaced;
    const int step = work.cw + (n > 1 ? work.Tableau(1).x - work.Tableau(0).x - work.cw : work.foundationGap);
    if (index < 0)
        return work.Tableau(0).x + index * step;
    if (index >= n)
        return work.Tableau(n - 1).x + (index - n + 1) * step;
    return work.Tableau(index).x;
}

// count piles over the first columns (left-aligned) or the last ones (right-aligned).
template <std::size_t N>
void PlaceOverColumns(LayoutWork& work, std::array<Place, N>& places, int count, bool alignRight)
{
    const int first = alignRight ? work.tableauCount - count : 0;
    for (int i = 0; i < count; ++i)
        places[static_cast<std::size_t>(i)].x = ColumnX(work, first + i);
}

// Sixteen foundations do not fit across the board: the first half over the last columns, the
// second half under them in the next row.
template <std::size_t N>
void PlaceTwoRowsOverLastColumns(LayoutWork& work, std::array<Place, N>& places, int count)
{
    const int perRow = (count + 1) / 2;
    const int first = work.tableauCount - perRow;
    const int lowerY = work.RowAt(std::max(work.foundation.row, 1)); // the row after the group's own
    for (int i = 0; i < count; ++i) {
        auto& place = places[static_cast<std::size_t>(i)];
        place.x = ColumnX(work, first + i % perRow);
        if (i >= perRow)
            place.y = lowerY;
    }
}

} // namespace

void PlaceTableauRow(LayoutWork& work)
{
    const int n = work.tableauCount;
    if (n == 0)
        return;
    const int rowY = work.RowOf(work.tableau);
    for (int i = 0; i < n; ++i)
        work.Tableau(i).y = rowY;
    switch (const int arrangement = work.tableau.arrangement) {
    case arrangement::tableau::SpreadRow:
    case arrangement::tableau::SpreadRowToo:
    case arrangement::tableau::SpreadRowHigh: PlaceSpreadRow(work, arrangement); break;
    case arrangement::tableau::CentredRow: PlaceCentredRow(work); break;
    case arrangement::tableau::RowRightOfColumn:
    case arrangement::tableau::RowRightOfColumnToo:
    case arrangement::tableau::RowRightOfTwoColumns:
    case arrangement::tableau::RowRightOfTwoColumnsTight: PlaceRowRightOfColumns(work, arrangement); break;
    case arrangement::tableau::GridOfRows:
    case arrangement::tableau::GridOfCentredRows: PlaceTableauGrid(work, arrangement); break;
    case arrangement::tableau::TightRowFromLeft: {
        const int s = work.shadow == 0 ? 9 : work.shadow;
        PlaceRow(work.board.tableaus, 0, n, work.LowScreen() ? 8 : 2 * s + 30, rowY, work.cw + 4);
        break;
    }
    default: break; // "020" follows the foundations; other numbers place no tableau here
    }
}

void PlaceStockGroup(LayoutWork& work)
{
    Place& stock = work.Stock(kStockSlot);
    Place& waste = work.Stock(kWasteSlot);
    stock.y = waste.y = work.RowOf(work.stock);
    const bool stockShown = work.Rule(rule::StockShown) == 1;
    const bool wasteShown = work.Rule(rule::WasteShown) == 1;
    const int cw = work.cw;
    const int firstColumn = ColumnX(work, 0);
    const int groupGap = work.groupGap;
    switch (work.stock.arrangement) {
    case arrangement::stock::OverFirstColumns:
        if (stockShown && wasteShown) {
            stock.x = firstColumn;
            waste.x = ColumnX(work, 1);
        } else {
            (stockShown ? stock : waste).x = firstColumn;
        }
        break;
    case arrangement::stock::RowFromLeft:
        for (int slot = 0; slot < work.stockCount; ++slot)
            work.Stock(slot) = Place{work.stockMargin + slot * (work.stockMargin + cw), stock.y};
        break;
    case arrangement::stock::LeftOfTableauWasteBelow:
        stock.x = firstColumn - cw - 2 * groupGap;
        if (wasteShown)
            waste = Place{stock.x, work.rowY[1]};
        break;
    case arrangement::stock::WasteLeftOfTableau:
        waste.x = firstColumn - cw - 3 * groupGap;
        stock.x = waste.x - cw - groupGap;
        break;
    case arrangement::stock::AtLeftEdge: {
        int s = work.shadow <= 1 ? work.shadow : work.shadow / 2;
        if (work.LowScreen() && work.foundationCount == 8 && work.stockCount > 1)
            s = -3;
        stock.x = s + 15;
        if (work.stockCount > 1)
            waste.x = stock.x + cw + 15;
        break;
    }
    case arrangement::stock::LeftOfTableau:
    case arrangement::stock::FarLeftOfTableau:
        (stockShown ? stock : waste).x = firstColumn - cw - (work.stock.arrangement == arrangement::stock::LeftOfTableau ? 2 : 4) * groupGap;
        break;
    case arrangement::stock::WasteNextToTableau: {
        const int a = work.LowScreen() && work.foundationCount >= 5 ? 0 : 5;
        waste.x = firstColumn - cw - groupGap;
        stock.x = waste.x - cw - a - 15;
        break;
    }
    case arrangement::stock::OverFirstColumnsApart:
        // Over the first column; the waste, when both show, beside the stock.
        (stockShown ? stock : waste).x = firstColumn;
        if (stockShown && wasteShown)
            waste.x = stock.x + cw + 18;
        break;
    default: break;
    }
}

void PlaceFoundations(LayoutWork& work)
{
    const int f = work.foundationCount;
    const int n = work.tableauCount;
    const int cw = work.cw;
    work.foundationGap = std::max(4, work.tableauGap / 3);
    const int rowY = work.RowOf(work.foundation);
    for (int i = 0; i < f; ++i)
        work.Foundation(i).y = rowY;
    auto& places = work.board.foundations;
    // Foundation f at x, the others leftward by step.
    const auto placeLeftward = [&](int x, int step) { PlaceRow(places, 0, f, x - (f - 1) * step, rowY, step); };
    switch (work.foundation.arrangement) {
    case arrangement::foundation::OverLastColumns: PlaceOverColumns(work, places, f, true); break;
    case arrangement::foundation::LeftFromLastColumn: placeLeftward(ColumnX(work, n - 1), work.foundationGap + cw); break;
    case arrangement::foundation::SpreadOverWidth:
        work.foundationGap = std::max((work.w - f * cw - 2) / (f + 1), 1);
        PlaceRow(places, 0, f, work.foundationGap, rowY, cw + work.foundationGap);
        break;
    case arrangement::foundation::Centred:
        work.foundationGap = std::max(4, work.tableauGap / 2);
        PlaceRow(places, 0, f, CentreIn(work.w, f * cw + (f - 1) * work.foundationGap), rowY, cw + work.foundationGap);
        break;
    case arrangement::foundation::RightAligned: placeLeftward(work.w - cw - work.stockMargin - 5, work.stockMargin + cw); break;
    case arrangement::foundation::OverLastColumnsOrLeftward:
        if (work.LowScreen())
            placeLeftward(ColumnX(work, n - 1), cw + 2);
        else
            PlaceOverColumns(work, places, f, true);
        break;
    case arrangement::foundation::RightOfStockGroup: {
        const bool low = work.LowScreen();
        const int a = !low ? 17 : work.foundationCount == 8 && work.stockCount > 1 ? 4 : 7;
        const int b = low ? 3 : 4;
        const Place beside = work.Rule(rule::WasteShown) == 1 ? work.Stock(kWasteSlot) : work.Stock(kStockSlot);
        PlaceRow(places, 0, f, beside.x + cw + a, rowY, b + cw);
        break;
    }
    case arrangement::foundation::OverEachTableau: PlaceOverColumns(work, places, f, false); break;
    case arrangement::foundation::OverLastColumnsInTwoRows: PlaceTwoRowsOverLastColumns(work, places, f); break;
    default: break;
    }
    // "020": the tableau row centred under the foundation row.
    if (work.tableau.arrangement == arrangement::tableau::UnderFoundations && n > 0) {
        const int first = f > 0 ? work.Foundation(0).x : 0;
        const int end = f > 0 ? work.Foundation(f - 1).x + cw : work.w;
        const int offset = (end - first - n * cw - 10 * n + 10) / 2;
        PlaceRow(work.board.tableaus, 0, n, first + offset, work.Tableau(0).y, cw + 10);
    }
}

void PlaceReserves(LayoutWork& work)
{
    const int r = work.reserveCount;
    const int cw = work.cw;
    const int rowY = work.RowOf(work.reserve);
    auto& places = work.board.reserves;
    for (int i = 0; i < r; ++i)
        places[static_cast<std::size_t>(i)].y = rowY;
    // The arrangements that name only the first reserve stack the others below it.
    const auto placeColumn = [&](int x) {
        for (int i = 0; i < r; ++i)
            places[static_cast<std::size_t>(i)] = Place{x, rowY + i * (work.rowGap + work.ch)};
    };
    switch (work.reserve.arrangement) {
    case arrangement::reserve::RowFromFirstColumn: PlaceRow(places, 0, r, ColumnX(work, 0), rowY, work.foundationGap + cw); break;
    case arrangement::reserve::OverEachTableau: PlaceOverColumns(work, places, r, false); break;
    case arrangement::reserve::RowFromLeft: PlaceRow(places, 0, r, work.stockMargin, rowY, work.stockMargin + cw); break;
    case arrangement::reserve::OverLastColumns: PlaceOverColumns(work, places, r, true); break;
    case arrangement::reserve::ColumnUnderWaste: placeColumn(work.Stock(kWasteSlot).x); break;
    case arrangement::reserve::ColumnLeftOfTableau: {
        const int gaps = work.tableauCount > 7 ? static_cast<int>(1.5 * work.groupGap) : 3 * work.groupGap;
        placeColumn(ColumnX(work, 0) - cw - gaps);
        break;
    }
    case arrangement::reserve::ColumnUnderStock: placeColumn(work.Stock(kStockSlot).x); break;
    default: break;
    }
}

void PlaceSecondWaste(LayoutWork& work)
{
    Place& second = work.Stock(kSecondWasteSlot);
    const int row = std::max(work.secondWaste.row, 1);
    const int n = work.tableauCount;
    switch (work.secondWaste.arrangement) {
    case arrangement::second_waste::UnderStock: second = Place{work.Stock(kStockSlot).x, work.RowAt(row - 2) + work.ch + 20}; break;
    case arrangement::second_waste::OverSecondColumn: second = Place{ColumnX(work, 1), work.RowAt(row - 1)}; break;
    case arrangement::second_waste::OverLastColumn: second = Place{ColumnX(work, n - 1), work.RowAt(row - 1)}; break;
    // Over the third column, beside a stock and waste laid over the first two.
    case arrangement::second_waste::OverThirdColumn: second = Place{ColumnX(work, 2), work.RowAt(row - 1)}; break;
    default: break;
    }
}

bool LastReserveCrowdsTableaus(LayoutWork& work)
{
    const Place reserve = work.Reserve(work.reserveCount - 1);
    for (int i = 0; i < work.tableauCount; ++i) {
        const Place tableau = work.Tableau(i);
        const bool acrossX = reserve.x < tableau.x + work.cw + 85 && tableau.x - 85 < reserve.x + work.cw;
        const bool acrossY = reserve.y < tableau.y + work.ch && tableau.y < reserve.y + work.ch;
        if (acrossX && acrossY)
            return true;
    }
    return false;
}

} // namespace marlowe
