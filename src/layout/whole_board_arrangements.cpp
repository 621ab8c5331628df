// The special arrangements that lay out a whole board by themselves: the cross, the pyramid,
// the clock and the boards of rows. Each centres its block on the board.

#include "layout/card_geometry.h"
#include "layout/layout_work.h"

#include "catalogue/pyramid_rows.h"
#include "catalogue/rule_values.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

namespace marlowe {

namespace {

// The top that centres a block of height between top and bottom, at least at least.
int CentredTop(const LayoutWork& work, int height, int atLeast)
{
    return std::max(work.top + CentreIn(work.bottom - work.top, height), atLeast);
}

// "052": five tableaus in a cross, a foundation in each corner, stock and waste at its left;
// with four tableaus and five foundations, the fifth foundation takes the centre.
void PlaceCross(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int a = work.LowWindow() ? 25 : 35;
    const int b = a;
    const int left = std::max(CentreIn(work.w, 3 * cw + 2 * a), cw + 2 * a + 25);
    const int middle = left + cw + a;
    const int right = middle + cw + a;
    const int upper = CentredTop(work, 3 * ch + 2 * b, work.rowY[0]);
    const int centre = upper + b + ch;
    const int lower = centre + b + ch;
    work.Tableau(0) = {middle, upper};
    work.Tableau(1) = {left, centre};
    if (work.tableauCount == 4 && work.foundationCount == 5) {
        // Four places round a fifth foundation at the centre.
        work.Tableau(2) = {right, centre};
        work.Tableau(3) = {middle, lower};
        work.Foundation(4) = {middle, centre};
    } else {
        work.Tableau(2) = {middle, centre};
        work.Tableau(3) = {right, centre};
        work.Tableau(4) = {middle, lower};
    }
    work.Stock(kStockSlot) = {left - cw - 2 * a, upper};
    work.Stock(kWasteSlot) = {left - cw - 2 * a, centre};
    constexpr int inset = 7;
    work.Foundation(0) = {left + inset, upper + inset};
    work.Foundation(1) = {right - inset, upper + inset};
    work.Foundation(2) = {left + inset, lower - inset};
    work.Foundation(3) = {right - inset, lower - inset};
}

// Several pyramids side by side (a row no longer than the one above starts the next): their
// apexes level, each pyramid as close to those before it as their rows allow, rows of two
// pyramids that overlap in height kept a row's gap apart, the whole centred on the board.
// Places are counted in half card steps, so every row starts exactly half a step from the next.
void PlacePyramidsSideBySide(LayoutWork& work)
{
    const int ch = work.ch;
    const int cardStep = work.cw + kRowGap;
    const int rowStep = work.LowScreen() ? ch / 2 - 8 : ch / 2 + 4;
    const int reach = (ch - 1) / rowStep; // rows this far apart overlap in height
    const int rows = std::clamp(work.tableauCount, 1, kMaxTableaus);
    auto cards = [&](int k) { return work.Rule(rule::TableauCardCount + k); };
    struct Pyramid {
        int first, end, apex; // its rows, and its apex's centre in half steps
    };
    std::vector<Pyramid> pyramids;
    for (int first = 0; first < rows; first = pyramids.back().end) {
        Pyramid next{first, PyramidEndRow(work.rules, first), 0};
        for (const Pyramid& p : pyramids)
            for (int i = p.first; i < p.end; ++i)
                for (int j = next.first; j < next.end; ++j)
                    if (std::abs((i - p.first) - (j - next.first)) <= reach)
                        next.apex = std::max(next.apex, p.apex + cards(i) + cards(j));
        pyramids.push_back(next);
    }
    int left = 0, right = 0, height = 0;
    for (const Pyramid& p : pyramids) {
        for (int k = p.first; k < p.end; ++k) {
            left = std::min(left, p.apex - cards(k));
            right = std::max(right, p.apex + cards(k));
        }
        height = std::max(height, (p.end - p.first - 1) * rowStep + ch);
    }
    const int x0 = CentreIn(work.w, (right - left) * cardStep / 2 - kRowGap);
    const int y0 = std::max(work.top + CentreIn(work.bottom - work.top, height) - 20, work.top + 5);
    for (const Pyramid& p : pyramids)
        for (int k = p.first; k < p.end; ++k)
            work.Tableau(k) = {x0 + (p.apex - cards(k) - left) * cardStep / 2, y0 + (k - p.first) * rowStep};
}

// "054": the pyramid. Tableau k is row k, each row half a card step left (rows widening
// downward) or right (narrowing) of the one above, so that every card lies centred over the
// two it covers (several pyramids stand side by side); the stock and the secondary waste stand clear of the pyramid on either side,
// the start edge moving right until the stock fits.
void PlacePyramid(LayoutWork& work)
{
    if (SeveralPyramids(work.rules))
        return PlacePyramidsSideBySide(work);
    const int cw = work.cw;
    const int ch = work.ch;
    const int h = ch / 2;
    const int stockY = std::max(work.top + CentreIn(work.bottom - work.top, 6 * h + ch) - 20, work.top + 30);
    // The step from a card to the next in its row: rows of style 4 leave their own gap.
    const int gap = work.Rule(rule::TableauStyle) == pile_style::Row ? kRowGap : work.board.steps.fixedRight;
    const int cardStep = cw + gap;
    const int firstRow = work.Rule(rule::TableauCardCount);
    const bool widening = firstRow < work.Rule(rule::TableauCardCount + 1);
    // Row k's start, k half steps from the first row's; rounded once, so the rows never drift.
    auto rowX = [&](int x0, int k) { return x0 + (widening ? -1 : 1) * (k * cardStep / 2); };
    int x0 = CentreIn(work.w, cw * firstRow + gap * (firstRow - 1));
    if (work.LowScreen() && widening)
        x0 = CentreIn(work.w, cw);
    int stockX = 0;
    int secondX = 0;
    for (;; x0 += 3) {
        const int lastRowX = rowX(x0, 6);
        const int sixthRowX = rowX(x0, 5);
        if (widening) {
            stockX = (lastRowX - cw + (work.LowScreen() ? 50 : 0)) / 2;
            secondX = 2 * x0 - stockX;
            if (stockX + cw + 3 < sixthRowX && stockX > 19)
                break;
        } else {
            stockX = (x0 - cw) / 2;
            secondX = 2 * lastRowX - stockX;
            if (stockX + cw + 3 < sixthRowX && stockX + cw + 3 < x0 && stockX > 19)
                break;
        }
    }
    const int rowStep = work.LowScreen() ? h - 8 : h + 4;
    for (int k = 0; k < std::min(work.tableauCount, kMaxTableaus); ++k)
        work.Tableau(k) = {rowX(x0, k), stockY + k * rowStep};
    work.Stock(kStockSlot) = {stockX, stockY};
    work.Stock(kWasteSlot) = {stockX, stockY + ch + 25};
    work.Stock(kSecondWasteSlot) = {secondX, stockY};
    // Reserves in place of a stock stand in two columns, half on either side of the pyramid.
    const int perSide = (work.reserveCount + 1) / 2;
    const int reserveStep = std::min(6 * rowStep / std::max(perSide - 1, 1), ch + 10);
    for (int i = 0; i < work.reserveCount; ++i)
        work.Reserve(i) = {i < perSide ? stockX : secondX, stockY + (i % perSide) * reserveStep};
}

// "143": rows of peaks (Tri Peaks). Tableau k is row k, each row half a card step right of the
// one below it, centred on the board by the widest, last row; the stock and the secondary waste
// stand side by side, centred under the peaks.
void PlacePeaks(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int cardStep = cw + kRowGap;
    const int rows = std::clamp(work.tableauCount, 1, kMaxTableaus);
    const int cells = std::max(work.Rule(rule::TableauCardCount + rows - 1), 1);
    const int left = std::max(CentreIn(work.w, cells * cardStep - kRowGap), 1);
    const int rowStep = work.LowScreen() ? ch / 2 - 8 : ch / 2 + 4;
    const int top = work.top + (work.LowScreen() ? 5 : 20);
    for (int k = 0; k < rows; ++k)
        work.Tableau(k) = {left + (rows - 1 - k) * cardStep / 2, top + k * rowStep};
    const int stockY = top + (rows - 1) * rowStep + ch + (work.LowScreen() ? 15 : 35);
    const int pairGap = 3 * cw / 4;
    const int stockX = CentreIn(work.w, 2 * cw + pairGap);
    work.Stock(kStockSlot) = {stockX, stockY};
    work.Stock(kSecondWasteSlot) = {stockX + cw + pairGap, stockY};
}

// "057": stock and waste centred at the top, two rows of six tableaus, two foundations on
// each side of the rows.
void PlaceTwoRowsOfSix(LayoutWork& work)
{
    const int cw = work.cw;
    const bool low = work.LowScreen();
    const int down = low ? 20 : 45;
    const int gap = low ? 3 : 10;
    const int out = low ? 15 : 50;
    const int blockWidth = 6 * cw + 5 * gap;
    const int left = std::max(CentreIn(work.w, blockWidth), cw + out + 2);
    const int stockX = CentreIn(work.w, 2 * cw + 15);
    PlaceRow(work.board.stockGroup, kStockSlot, 2, stockX, work.rowY[0] + down, cw + 15);
    const int rows[2] = {work.rowY[1] + down, work.rowY[2] + down};
    for (int r = 0; r < 2; ++r) {
        PlaceRow(work.board.tableaus, 6 * r, 6, left, rows[r], cw + gap);
        work.Foundation(r) = {left - out - cw, rows[r]};
        work.Foundation(2 + r) = {left + blockWidth + out, rows[r]};
    }
}

// "061": twelve foundations round a clock face, twelve o'clock first, on five columns: the hour
// at the top and the bottom in the middle column, three hours on each side, the others between.
// The tableaus stand at its left in rows of four, and the stock and the waste, when the game
// has them, inside the ring. The ring is five cards wide, so that it and two rows of four fit an
// 800-pixel board.
void PlaceClock(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 2 : 5;
    constexpr int columns[12] = {2, 3, 4, 4, 4, 3, 2, 1, 0, 0, 0, 1};
    // Each hour's drop from twelve o'clock, in half steps of a card and a gap.
    constexpr int halves[12] = {0, 1, 2, 4, 6, 7, 8, 7, 6, 4, 2, 1};
    const int rowStep = ch + gap;
    const int ringHeight = 4 * rowStep + ch;
    const int spare = work.w - 2 * work.edgeGap - (4 * cw + 3 * gap) - 5 * cw - 30;
    const int step = cw + std::clamp(spare / 8, gap, cw / 2);
    const int ringWidth = 4 * step + cw;
    const int rowWidth = 4 * cw + 3 * gap;
    const int left = std::max(CentreIn(work.w, rowWidth + 30 + ringWidth), work.edgeGap);
    const int ringLeft = left + rowWidth + 30;
    const int ringTop = CentredTop(work, ringHeight, work.rowY[0]);
    for (int p = 0; p < 12; ++p)
        work.Foundation(p) = {ringLeft + columns[p] * step, ringTop + halves[p] * rowStep / 2};
    const int rows = std::max((work.tableauCount + 3) / 4, 1);
    const int tableauStep = (work.bottom - ringTop) / rows;
    for (int r = 0; r < rows; ++r)
        PlaceRow(work.board.tableaus, 4 * r, std::min(4, work.tableauCount - 4 * r), left, ringTop + r * tableauStep,
                 cw + gap);
    work.board.fanHeight = tableauStep - gap;
    for (int slot = 0; slot < std::min(work.stockCount, 2); ++slot)
        work.Stock(slot) = {ringLeft + (1 + 2 * slot) * step, ringTop + 2 * rowStep};
}

// "142": the clock face of the traditional Clock. Each hour is a pair of piles, the tableau
// and its home beside it, round the board from one o'clock to twelve on five columns of pairs;
// the thirteenth pair stands at the centre. A game without a tableau shows the homes alone round
// the face, its stock and waste at the top left (German Clock).
void PlaceClockFace(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 3 : 6;
    const bool homesAlone = work.tableauCount == 0;
    const int pairWidth = homesAlone ? cw : 2 * cw + gap;
    // Each hour's column (from the centre, in pair steps) and its drop from twelve o'clock in
    // half cards and cards; the last entry is the centre.
    constexpr int columns[13] = {1, 2, 2, 2, 1, 0, -1, -2, -2, -2, -1, 0, 0};
    constexpr int halves[13] = {1, 2, 2, 2, 3, 4, 3, 2, 2, 2, 1, 0, 2};
    constexpr int cards[13] = {0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0, 0, 1};
    const int room = CentreIn(work.w, pairWidth) - work.edgeGap;
    const int step = pairWidth + std::clamp((room - 2 * pairWidth) / 2, gap, cw);
    const int half = (ch + gap) / 2;
    const int centreX = CentreIn(work.w, pairWidth);
    const int top = CentredTop(work, 4 * half + 3 * ch + 2 * gap, work.rowY[0]);
    for (int hour = 0; hour < 13; ++hour) {
        const Place place{centreX + columns[hour] * step, top + halves[hour] * half + cards[hour] * (ch + gap)};
        if (homesAlone) {
            work.Foundation(hour) = place;
            continue;
        }
        work.Tableau(hour) = place;
        work.Foundation(hour) = {place.x + cw + gap, place.y};
    }
    if (homesAlone) {
        work.Stock(kStockSlot) = {work.edgeGap, top};
        if (work.stockCount == 2)
            work.Stock(kWasteSlot) = {work.edgeGap + cw + gap, top};
    }
}

// "078": five columns; stock and foundations on the first row, the tableaus five to a row
// below, the last (up to three) centred on a fifth row.
void PlaceFiveColumns(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int rowStep = ch + (work.LowScreen() ? 1 : 3);
    // Columns 2.2 card widths apart, and wide enough for a waste beside the stock.
    const int columnStep = std::max(static_cast<int>(2.2 * cw), 2 * cw + 20);
    const bool withWaste = work.stockCount == 2;
    const bool eightInRow = work.foundationCount == 8;
    const int besideStock = withWaste ? 2 * cw + 15 : cw;
    const int rowOneWidth = eightInRow ? besideStock + 5 + 8 * cw + 7 * 5 : 0;
    const int left = std::max(CentreIn(work.w, std::max(4 * columnStep + cw, rowOneWidth)), work.edgeGap);
    const int y0 = CentredTop(work, 4 * rowStep + ch, work.top + 2);
    work.Stock(kStockSlot) = {left, y0};
    if (withWaste)
        work.Stock(kWasteSlot) = {left + cw + 15, y0};
    if (eightInRow)
        PlaceRow(work.board.foundations, 0, 8, left + besideStock + 5, y0, cw + 5);
    else
        PlaceRow(work.board.foundations, 0, 4, left + columnStep, y0, columnStep);
    const int n = std::min(work.tableauCount, 18);
    for (int i = 0; i < n; ++i) {
        const int row = i / 5;
        const int lastRow = std::min(n - 15, 3);
        const int column = row < 3 ? i % 5 : (5 - lastRow) / 2 + i - 15;
        work.Tableau(i) = {left + column * columnStep, y0 + (row + 1) * rowStep};
    }
}

// "103": eight foundations in a row, the stock and waste under its middle.
void PlaceFoundationRowWithStockBelow(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int rowWidth = 8 * cw + 7 * 5;
    const int left = std::max(CentreIn(work.w, rowWidth), 25);
    const int y = CentredTop(work, 2 * ch + 45, work.rowY[0]);
    PlaceRow(work.board.foundations, 0, work.foundationCount, left, y, cw + 5);
    const int centre = left + rowWidth / 2;
    work.Stock(kStockSlot) = {centre - 15 - cw, y + ch + 45};
    work.Stock(kWasteSlot) = {centre + 15, y + ch + 45};
}

// "108": stock and waste at the top left, four foundations beside them and eight below, then
// two rows of eight tableaus.
void PlaceTwelveFoundations(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int left = std::max(CentreIn(work.w, 8 * cw + 7 * 10), work.edgeGap);
    const int y = work.rowY[0];
    const int rowStep = ch + 10;
    PlaceRow(work.board.stockGroup, kStockSlot, 2, left, y, cw + 15);
    PlaceRow(work.board.foundations, 0, 4, left + 2 * cw + 15 + 25, y, cw + 10);
    PlaceRow(work.board.foundations, 4, 8, left, y + rowStep, cw + 10);
    PlaceGrid(work.board.tableaus, 0, 16, 8, left, y + 2 * rowStep, cw + 7, rowStep);
}

// "163": centred rows of piles with the stock and the waste in a column at their left: the
// foundations first, then the tableaus, the reserves in a row between the halves of the tableau
// rows. A group takes rows of GridColumns piles (eight when the game gives none), and more,
// shorter rows when those do not fit beside the stock (Contradance's sixteen foundations, the
// zodiac round its equator); a discard pile goes under the stock and the waste.
void PlaceRowsBesideStock(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 4 : 10;
    const int column = work.stockCount > 0 ? cw + 3 * gap : 0;
    const int room = work.w - 2 * work.edgeGap - column;
    const int wanted = work.Rule(rule::GridColumns) > 0 ? work.Rule(rule::GridColumns) : 8;
    const auto rowWidth = [&](int piles) { return piles * cw + (piles - 1) * gap; };
    const auto perRow = [&](int count) {
        int rows = std::max((count + wanted - 1) / wanted, 1);
        while ((count + rows - 1) / rows > 1 && rowWidth((count + rows - 1) / rows) > room)
            ++rows;
        return std::max((count + rows - 1) / rows, 1);
    };
    struct Group {
        std::span<Place> places;
        int first;
        int count;
        int per;
    };
    const int tableauPer = perRow(work.tableauCount);
    const int tableauRows = (work.tableauCount + tableauPer - 1) / tableauPer;
    const int upperTableaus = std::min((tableauRows + 1) / 2 * tableauPer, work.tableauCount);
    const Group groups[] = {
        {work.board.foundations, 0, work.foundationCount, perRow(work.foundationCount)},
        {work.board.tableaus, 0, upperTableaus, tableauPer},
        {work.board.reserves, 0, work.reserveCount, perRow(work.reserveCount)},
        {work.board.tableaus, upperTableaus, work.tableauCount - upperTableaus, tableauPer},
    };
    int rows = 0;
    int widest = 0;
    for (const Group& group : groups) {
        rows += (group.count + group.per - 1) / group.per;
        widest = std::max(widest, rowWidth(std::min(group.count, group.per)));
    }
    const int left = std::max(CentreIn(work.w, column + widest), work.edgeGap);
    int y = CentredTop(work, rows * (ch + gap) - gap, work.rowY[0]);
    for (int slot = 0; slot < work.stockCount; ++slot)
        work.Stock(slot) = {left, y + slot * (ch + gap)};
    if (work.secondWasteCount > 0) // the discard pile under them (Bayan's, Decade's)
        work.Stock(kSecondWasteSlot) = {left, y + work.stockCount * (ch + gap)};
    for (const Group& group : groups)
        for (int done = 0; done < group.count; done += group.per, y += ch + gap) {
            const int piles = std::min(group.per, group.count - done);
            const int x = left + column + CentreIn(widest, rowWidth(piles));
            for (int i = 0; i < piles; ++i)
                group.places[static_cast<std::size_t>(group.first + done + i)] = {x + i * (cw + gap), y};
        }
}

// "164": the stock and the waste at the top left; under them each reserve, fanned to the right,
// with a foundation beside it that is fanned to the right as a row of up to thirteen cards
// (Osmosis, Peek).
void PlaceReservesBesideFoundationRows(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 4 : 10;
    const int step = std::max(work.board.steps.faceUpRight, work.board.steps.faceDownRight);
    const int reserveWidth = cw + (work.Rule(rule::ReserveCardCount) - 1) * step;
    const int rowWidth = cw + 12 * work.board.steps.faceUpRight;
    const int lines = std::max(work.reserveCount, work.foundationCount);
    const int left = std::max(CentreIn(work.w, reserveWidth + 3 * gap + rowWidth), work.edgeGap);
    const int lineStep = ch + gap;
    const int top = CentredTop(work, (lines + 1) * lineStep - gap, work.rowY[0]);
    PlaceRow(work.board.stockGroup, kStockSlot, std::min(work.stockCount, 2), left, top, cw + 2 * gap);
    PlaceGrid(work.board.reserves, 0, work.reserveCount, 1, left, top + lineStep, 0, lineStep);
    PlaceGrid(work.board.foundations, 0, work.foundationCount, 1, left + reserveWidth + 3 * gap, top + lineStep, 0,
              lineStep);
}

// "120": stock and waste at the left, five foundations in a row, a tableau under each.
void PlaceFiveUnderFive(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    constexpr int spacing = 12;
    const int stockY = work.top + 30;
    const int stockX = std::max(CentreIn(work.w, 6 * cw + 7 * spacing + 15), 25);
    work.Stock(kStockSlot) = {stockX, stockY};
    work.Stock(kWasteSlot) = {stockX, stockY + ch + 27};
    PlaceRow(work.board.foundations, 0, 5, stockX + cw + 51, stockY, cw + spacing);
    PlaceRow(work.board.tableaus, 0, 5, stockX + cw + 51, stockY + ch + 24, cw + spacing);
}

// "130": ten foundations in a row over two rows of ten tableaus.
void PlaceTenColumns(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = std::clamp((work.w - 10 * cw) / 11, 2, 10);
    const int left = std::max(CentreIn(work.w, 10 * cw + 9 * gap), 2);
    const int y = CentredTop(work, 3 * ch + 75, work.rowY[0]);
    PlaceRow(work.board.foundations, 0, 10, left, y, cw + gap);
    PlaceRow(work.board.tableaus, 0, 10, left, y + ch + 15, cw + gap);
    PlaceRow(work.board.tableaus, 10, 10, left, y + 2 * ch + 75, cw + gap);
}

// "207": stock (and waste) at the top left, eight foundations beside them, one centred
// tableau row below.
void PlaceEightBesideStock(LayoutWork& work)
{
    const int cw = work.cw;
    const int step = cw + (work.LowScreen() ? 2 : 4);
    const int y = work.top + 20;
    const int piles = work.stockCount == 2 ? 2 : 1;
    PlaceRow(work.board.stockGroup, kStockSlot, piles, work.edgeGap, y, step);
    const int out = work.stockCount == 1 ? 24 : 12;
    PlaceRow(work.board.foundations, 0, 8, work.edgeGap + piles * step + out, y, step);
    const int n = work.tableauCount;
    const int gap = work.w < 650 ? 5 : 10;
    const int left = std::max(CentreIn(work.w, n * cw + (n - 1) * gap), work.stockMargin);
    PlaceRow(work.board.tableaus, 0, n, left, y + work.ch + 20, cw + gap);
}

// "131": the cells and the foundations across the top, the columns below them. Each group keeps
// one row while it fits the board and splits into two rows when it does not, so that fourteen
// columns, eight cells and eight foundations lie side by side on a wide board and in two rows on
// a narrow one (Double Seahaven Towers). A single reserve fanned to the right takes the room of
// its dealt cards in place of the cells (Big Bertha).
void PlaceCellsOverColumns(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowScreen() ? 2 : 4;
    const auto span = [&](int piles) { return piles * cw + (piles - 1) * gap; };
    const auto leftFor = [&](int width) { return std::max(CentreIn(work.w, width), 2); };
    const int cells = work.reserveCount;
    const int foundations = work.foundationCount;
    const bool fannedReserve = cells == 1 && work.Rule(rule::ReserveStyle) == pile_style::FannedRight;
    const int cellsWidth =
        fannedReserve ? cw + std::max(work.Rule(rule::ReserveCardCount) - 1, 0) * work.board.steps.faceUpRight : span(cells);
    int y = work.rowY[0];
    if (cellsWidth + cw + 2 * gap + span(foundations) <= work.w) {
        const int left = leftFor(cellsWidth + cw + 2 * gap + span(foundations));
        PlaceRow(work.board.reserves, 0, cells, left, y, cw + gap);
        PlaceRow(work.board.foundations, 0, foundations, left + cellsWidth + cw + 2 * gap, y, cw + gap);
    } else {
        PlaceRow(work.board.reserves, 0, cells, leftFor(cellsWidth), y, cw + gap);
        y += ch + gap;
        PlaceRow(work.board.foundations, 0, foundations, leftFor(span(foundations)), y, cw + gap);
    }
    y += ch + 2 * gap + 4;
    // The columns may stand closer than the cells, down to a pixel apart, to keep one row.
    const int n = work.tableauCount;
    const int perRow = n * cw + (n + 1) <= work.w ? n : (n + 1) / 2;
    const int columnGap = perRow > 0 ? std::clamp((work.w - perRow * cw) / (perRow + 1), 1, 10) : 0;
    const int rows = perRow == 0 ? 0 : (n + perRow - 1) / perRow;
    const int rowStep = rows > 1 ? (work.outerHeight - y) / rows : 0;
    const int left = std::max(CentreIn(work.w, perRow * cw + (perRow - 1) * columnGap), 1);
    PlaceGrid(work.board.tableaus, 0, n, std::max(perRow, 1), left, y, cw + columnGap, rowStep);
    work.board.fanHeight = rows > 1 ? rowStep - gap : work.outerHeight - y;
}

} // namespace

// "205": the foundations in rows of GridColumns (half of them when it is not set) framed by the
// tableau piles: a row above them, one pile at each end of every foundation row, the rest in a
// row below (St. Helena: four above, two beside each of the two rows, four below); the stock and
// the waste stand in its upper corners.
void PlaceFrameRoundFoundations(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 6 : 14;
    // Rows stand apart by the depth that squared piles show of their dealt cards.
    const int depth = work.Rule(rule::TableauStyle) == pile_style::SquaredWithDepth ? kDepthStep * work.rules.Of(rule::TableauCardCount, 0) : 0;
    const int rise = gap + depth;
    const int across = work.Rule(rule::GridColumns) > 0 ? work.Rule(rule::GridColumns) : std::max((work.foundationCount + 1) / 2, 1);
    const int rows = (work.foundationCount + across - 1) / across;
    const int above = std::min(across, work.tableauCount);
    const int beside = std::min(2 * rows, work.tableauCount - above);
    const int below = work.tableauCount - above - beside;
    const int width = (across + 2) * cw + (across + 1) * gap;
    const int left = std::max(CentreIn(work.w, width), work.edgeGap);
    const int inner = left + cw + gap;
    const auto rowWidth = [&](int piles) { return piles * cw + (piles - 1) * gap; };
    int y = CentredTop(work, (rows + 2) * ch + (rows + 1) * rise, work.rowY[0]);
    // The stock (a redeal's place) and the waste take the frame's upper corners.
    for (int slot = 0; slot < std::min(work.stockCount, 2); ++slot)
        work.Stock(slot) = {slot == 0 ? left : inner + rowWidth(across) + gap, y};
    PlaceRow(work.board.tableaus, 0, above, inner + CentreIn(rowWidth(across), rowWidth(above)), y, cw + gap);
    for (int r = 0; r < rows; ++r) {
        y += ch + rise;
        const int first = r * across;
        PlaceRow(work.board.foundations, first, std::min(across, work.foundationCount - first), inner, y, cw + gap);
        if (2 * r < beside)
            work.Tableau(above + 2 * r) = {left, y};
        if (2 * r + 1 < beside)
            work.Tableau(above + 2 * r + 1) = {inner + rowWidth(across) + gap, y};
    }
    y += ch + rise;
    PlaceRow(work.board.tableaus, above + beside, below, inner + CentreIn(rowWidth(across), rowWidth(below)), y, cw + gap);
}

// "239": the foundations in two columns, the first half left and the second right, between two
// columns of tableau piles: pile k stands beside foundation k on the outer side, and the piles
// numbered past the foundations take the corners above and below those columns, the upper pair
// first, each pair left then right; the stock stands left of the frame (Corner Stones).
void PlaceColumnsFlankingFoundations(LayoutWork& work)
{
    const int cw = work.cw;
    const int ch = work.ch;
    const int gap = work.LowWindow() ? 4 : 10;
    const int apart = work.LowWindow() ? 14 : 30; // a pile column from the foundations, the stock from the frame
    const int rows = std::max((work.foundationCount + 1) / 2, 1);
    const int frameWidth = 4 * cw + gap + 2 * apart;
    const int left = std::max(CentreIn(work.w, frameWidth), work.edgeGap + cw + apart);
    const int columns[4] = {left, left + cw + apart, left + 2 * cw + apart + gap, left + 3 * cw + 2 * apart + gap};
    const int top = CentredTop(work, (rows + 2) * ch + (rows + 1) * gap, work.rowY[0]);
    const auto rowY = [&](int r) { return top + r * (ch + gap); };
    work.Stock(kStockSlot) = {left - apart - cw, top};
    for (int f = 0; f < work.foundationCount; ++f) {
        const bool second = f >= rows;
        const int row = 1 + (second ? f - rows : f);
        work.Foundation(f) = {columns[second ? 2 : 1], rowY(row)};
        if (f < work.tableauCount)
            work.Tableau(f) = {columns[second ? 3 : 0], rowY(row)};
    }
    for (int k = work.foundationCount; k < std::min(work.tableauCount, work.foundationCount + 4); ++k) {
        const int corner = k - work.foundationCount;
        work.Tableau(k) = {columns[corner % 2 == 0 ? 0 : 3], rowY(corner < 2 ? 0 : rows + 1)};
    }
}

bool PlaceSpecialArrangement(LayoutWork& work)
{
    switch (work.tableau.arrangement) {
    case arrangement::tableau::Cross: PlaceCross(work); return true;
    case arrangement::tableau::Pyramid: PlacePyramid(work); return true;
    case arrangement::tableau::Peaks: PlacePeaks(work); return true;
    case 57: PlaceTwoRowsOfSix(work); return true;
    case 61: PlaceClock(work); return true;
    case arrangement::tableau::ClockFace: PlaceClockFace(work); return true;
    case 78: PlaceFiveColumns(work); return true;
    case 103: PlaceFoundationRowWithStockBelow(work); return true;
    case 108: PlaceTwelveFoundations(work); return true;
    case 120: PlaceFiveUnderFive(work); return true;
    case 130: PlaceTenColumns(work); return true;
    case 131: PlaceCellsOverColumns(work); return true;
    case arrangement::tableau::RowsBesideStock: PlaceRowsBesideStock(work); return true;
    case arrangement::tableau::ReservesBesideFoundationRows: PlaceReservesBesideFoundationRows(work); return true;
    case arrangement::tableau::FrameRoundFoundations: PlaceFrameRoundFoundations(work); return true;
    case 207: PlaceEightBesideStock(work); return true;
    case arrangement::tableau::ColumnsFlankingFoundations: PlaceColumnsFlankingFoundations(work); return true;
    default: return false;
    }
}

} // namespace marlowe
