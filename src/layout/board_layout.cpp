#include "layout/board_layout.h"

#include "catalogue/rule_values.h"
#include "layout/layout_work.h"

#include <cstdlib>
#include <initializer_list>

namespace marlowe {

namespace {

// The first decimal digit of a row parameter (12 is row 1); 0 when there is none.
int RowDigit(int value)
{
    value = std::abs(value);
    while (value >= 10)
        value /= 10;
    return value;
}

PlacementCode CodeOf(const RuleVector& rules, int rowParameter, int arrangementParameter)
{
    return PlacementCode{RowDigit(rules[rowParameter]), rules[arrangementParameter]};
}

// A pile count, kept within the slots that exist.
int CountOf(const RuleVector& rules, int parameter, int most)
{
    return std::clamp(static_cast<int>(rules[parameter]), 0, most);
}

bool OneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

LayoutWork StartWork(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board)
{
    LayoutWork work{rules, board};
    work.cw = board.card.cardWidth;
    work.ch = board.card.cardHeight;
    work.shadow = board.card.shadowDepth;
    work.top = request.frame.top;
    work.bottom = request.frame.bottom;
    work.outerHeight = request.frame.outerHeight;
    work.screenWidth = request.screenWidth;
    work.screenHeight = request.screenHeight;
    work.stock = CodeOf(rules, rule::StockRow, rule::StockArrangement);
    work.foundation = CodeOf(rules, rule::FoundationRow, rule::FoundationArrangement);
    work.tableau = CodeOf(rules, rule::TableauRow, rule::TableauArrangement);
    work.reserve = CodeOf(rules, rule::ReserveRow, rule::ReserveArrangement);
    work.secondWaste = CodeOf(rules, rule::SecondWasteRow, rule::SecondWasteArrangement);
    work.stockCount = CountOf(rules, rule::StockGroupCount, 3);
    work.foundationCount = CountOf(rules, rule::FoundationCount, kMaxFoundations);
    work.tableauCount = CountOf(rules, rule::TableauCount, kMaxTableaus);
    work.reserveCount = CountOf(rules, rule::ReserveCount, kMaxReserves);
    work.secondWasteCount = CountOf(rules, rule::SecondWasteCount, 1);

    // The working width and the gaps; low windows and low screens pack tighter.
    work.w = request.frame.width - 2 - (work.LowWindow() ? 10 : 0);
    work.rowGap = work.LowWindow() ? 5 : 10;
    work.groupGap = work.LowScreen() && work.foundationCount > 4 && work.stockCount > 1 ? 5 : 15;
    work.edgeGap = work.LowScreen() ? 10 : 20;
    // The margin at the left that the stock and its shadow keep free.
    work.stockMargin = work.w < 650 ? 3 : 5;
    if (work.stockCount > 0) {
        work.stockMargin += work.shadow;
        if (OneOf(work.stock.arrangement, {arrangement::stock::LeftOfTableauWasteBelow, arrangement::stock::OverFirstColumns, arrangement::stock::RowFromLeft, arrangement::stock::LeftOfTableau,
                                           arrangement::stock::FarLeftOfTableau}) ||
            work.secondWaste.arrangement == arrangement::second_waste::OverThirdColumn)
            work.stockMargin += 15;
    }
    return work;
}

// The four rows from the top, and the two row sets centred in the board's height.
void SetRows(LayoutWork& work)
{
    const int ch = work.ch;
    auto& rowY = work.rowY;
    rowY[0] = work.top + work.rowGap + (work.stock.row == 1 ? 15 : 0);
    rowY[1] = rowY[0] + work.rowGap + ch + (work.stock.row == 2 || work.stock.arrangement == arrangement::stock::LeftOfTableauWasteBelow ? 15 : 0);
    rowY[2] = rowY[1] + work.rowGap + ch;
    rowY[3] = rowY[2] + work.rowGap + ch;
    if (work.tableau.arrangement == arrangement::tableau::SpreadRowHigh) {
        rowY[0] = work.top + 15;
        rowY[1] = rowY[0] + 5 + ch;
        rowY[2] = rowY[1] + 5 + ch;
    }
    const int height = work.bottom - work.top;
    work.centred3[0] = std::max(work.top + CentreIn(height, 3 * ch + 20), work.top + 2);
    work.centred4[0] = std::max(work.top + CentreIn(height, 4 * ch + 30), work.top + 2);
    for (int r = 1; r < 4; ++r) {
        if (r < 3)
            work.centred3[r] = work.centred3[r - 1] + ch + 10;
        work.centred4[r] = work.centred4[r - 1] + ch + 10;
    }
}

// The room a downward fan has: down to the next row below the tableau that another group
// uses, or to the bottom of the window.
void SetFanRoom(LayoutWork& work)
{
    work.board.fanWidth = work.cw;
    work.board.fanHeight = work.ch;
    if (work.Rule(rule::TableauStyle) != pile_style::FannedDown)
        return;
    const auto usesRow = [&](int row) {
        const auto uses = [row](const PlacementCode& code, int count) {
            return count > 0 && std::max(code.row, 1) == row;
        };
        const bool twoFoundationRows = work.foundation.arrangement == arrangement::foundation::OverLastColumnsInTwoRows;
        return uses(work.stock, work.stockCount) || uses(work.foundation, work.foundationCount) ||
               (twoFoundationRows && uses(PlacementCode{std::max(work.foundation.row, 1) + 1, 0}, work.foundationCount)) ||
               uses(work.reserve, work.reserveCount);
    };
    const int tableauRow = std::clamp(work.tableau.row, 1, 4);
    const int from = work.rowY[static_cast<std::size_t>(tableauRow - 1)];
    work.board.fanHeight = work.outerHeight - from;
    for (int row = tableauRow + 1; row <= 4; ++row) {
        if (usesRow(row)) {
            work.board.fanHeight = work.rowY[static_cast<std::size_t>(row - 1)] - from;
            break;
        }
    }
}

LayoutWork PreparedWork(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board,
                        std::optional<int> restartLeft)
{
    LayoutWork work = StartWork(rules, request, board);
    work.restartLeft = restartLeft;
    SetRows(work);
    SetFanRoom(work);
    return work;
}

void PlaceGeneralArrangements(LayoutWork& work)
{
    PlaceTableauRow(work);
    if (work.stockCount > 0)
        PlaceStockGroup(work);
    PlaceFoundations(work);
    if (work.reserveCount > 0)
        PlaceReserves(work);
    if (work.secondWasteCount > 0)
        PlaceSecondWaste(work);
}

// Piles a general arrangement left without a row share their group's row.
void FillMissingRows(LayoutWork& work)
{
    if (!IsPlaced(work.Stock(kWasteSlot).y))
        work.Stock(kWasteSlot).y = work.Stock(kStockSlot).y;
    for (int i = 1; i < 4; ++i)
        if (!IsPlaced(work.Foundation(i).y))
            work.Foundation(i).y = work.Foundation(0).y;
    for (int i = 1; i < 7; ++i)
        if (!IsPlaced(work.Tableau(i).y))
            work.Tableau(i).y = work.Tableau(0).y;
}

// A tableau fanned to the right may spread up to the next pile on its right.
void SetRightFanRoom(LayoutWork& work)
{
    const Place first = work.Tableau(0);
    const Place second = work.Tableau(1);
    const int room = second.y == first.y && IsPlaced(second.x) ? second.x - first.x : work.Foundation(0).x - first.x;
    if (IsPlaced(first.x) && room > 0)
        work.board.fanWidth = room;
}

} // namespace

int LayoutWork::RowAt(int r) const
{
    r = std::max(r, 0);
    return r < 4 ? rowY[static_cast<std::size_t>(r)] : rowY[3] + (r - 3) * (rowGap + ch);
}

int LayoutWork::Centred3At(int r) const
{
    r = std::max(r, 0);
    return r < 3 ? centred3[static_cast<std::size_t>(r)] : centred3[2] + (r - 2) * (ch + 10);
}

int LayoutWork::Centred4At(int r) const
{
    r = std::max(r, 0);
    return r < 4 ? centred4[static_cast<std::size_t>(r)] : centred4[3] + (r - 3) * (ch + 10);
}

bool IsSpecialArrangement(int tableauArrangement)
{
    return OneOf(tableauArrangement, {51, 52, 54, 57, 58, 61, 66, 78, 81, 98, 103, 108, 120, 123, 124, 125, 126,
                                      127, 128, 129, 130, 131, 142, 143, 163, 164, 205, 207,
                                      arrangement::tableau::Tower, arrangement::tableau::ColumnsFlankingFoundations,
                                      arrangement::tableau::BetweenFoundationColumns,
                                      arrangement::tableau::StepsUnderFoundations});
}

std::vector<PileRef> PilesOnBoard(const RuleVector& rules)
{
    std::vector<PileRef> piles;
    const int stockCount = CountOf(rules, rule::StockGroupCount, 3);
    for (int slot = 0; slot < 3; ++slot)
        if (slot < stockCount || (slot == kSecondWasteSlot && rules[rule::SecondWasteCount] > 0))
            piles.push_back({PileGroup::StockGroup, slot});
    const auto add = [&](PileGroup group, int parameter, int most) {
        for (int slot = 0; slot < CountOf(rules, parameter, most); ++slot)
            piles.push_back({group, slot});
    };
    add(PileGroup::Foundations, rule::FoundationCount, kMaxFoundations);
    add(PileGroup::Tableaus, rule::TableauCount, kMaxTableaus);
    add(PileGroup::Reserves, rule::ReserveCount, kMaxReserves);
    return piles;
}

void ComputeBoardLayout(const RuleVector& rules, const LayoutRequest& request, BoardGeometry& board)
{
    board.screenWidth = request.screenWidth;
    board.ClearPlaces();
    LayoutWork work = PreparedWork(rules, request, board, std::nullopt);
    if (IsSpecialArrangement(work.tableau.arrangement)) {
        if (!PlaceSpecialArrangement(work))
            PlaceGridArrangement(work);
    } else {
        PlaceGeneralArrangements(work);
        // Reserves in a row from the left may run into the tableau row: lay out once more
        // with the tableau row starting right of the reserves.
        if (work.reserve.arrangement == arrangement::reserve::RowFromLeft && work.reserveCount > 0 && LastReserveCrowdsTableaus(work)) {
            const int edge = work.Reserve(work.reserveCount - 1).x + work.cw + 86;
            board.ClearPlaces();
            LayoutWork second = PreparedWork(rules, request, board, edge > 0 ? edge : work.stockMargin);
            PlaceGeneralArrangements(second);
        }
        FillMissingRows(work);
    }
    if (rules[rule::TableauStyle] == pile_style::FannedRight)
        SetRightFanRoom(work);
    board.TakeLayoutCopies(request.scrollPosition);
}

LayoutRequest PlainBoardRequest(int width, int height, int screenWidth, int screenHeight)
{
    WindowFrame window;
    window.clientWidth = width;
    window.clientHeight = height;
    window.outerHeight = height;
    LayoutRequest request;
    request.frame = MainBoardFrame(window);
    request.screenWidth = screenWidth > 0 ? screenWidth : width;
    request.screenHeight = screenHeight > 0 ? screenHeight : height;
    return request;
}

} // namespace marlowe
