#include "engine/grid_rows.h"

#include "catalogue/rule_parameters.h"
#include "engine/game_context.h"
#include "engine/table.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"

#include <algorithm>

namespace marlowe {

namespace {

int GridWidth(const GameContext& context)
{
    return std::max<int>(context.rules[rule::GridColumns], 1);
}

int GridRows(const GameContext& context)
{
    return std::clamp(context.TableauCount(), 0, kMaxTableaus);
}

std::vector<PileCell> CellsOfRow(const GameContext& context, int row, bool gapsOnly)
{
    std::vector<PileCell> cells;
    for (int cell = 0; cell < GridWidth(context); ++cell)
        if (!gapsOnly || !GridCellHolds(context, row, cell))
            cells.push_back({{PileGroup::Tableaus, row}, cell});
    return cells;
}

} // namespace

bool GridCellHolds(const GameContext& context, int row, int cell)
{
    if (row < 0 || row >= GridRows(context))
        return false;
    const std::string& pile = context.piles.tableaus[static_cast<std::size_t>(row)];
    return cell >= 0 && cell < ElementCount(pile) && ElementAt(pile, cell) != 0;
}

int LastGridRowHolding(const GameContext& context)
{
    for (int row = GridRows(context) - 1; row >= 0; --row)
        for (int cell = 0; cell < GridWidth(context); ++cell)
            if (GridCellHolds(context, row, cell))
                return row;
    return -1;
}

std::vector<PileCell> GapsInDealtGridRows(const GameContext& context)
{
    std::vector<PileCell> gaps;
    for (int row = 0; row <= LastGridRowHolding(context); ++row)
        for (const PileCell& cell : CellsOfRow(context, row, true))
            gaps.push_back(cell);
    return gaps;
}

std::vector<PileCell> NextGridRow(const GameContext& context)
{
    const int row = LastGridRowHolding(context) + 1;
    return row < GridRows(context) ? CellsOfRow(context, row, false) : std::vector<PileCell>{};
}

bool AtOpenEndOfGridColumn(const GameContext& context, int card)
{
    const int row = LocateCard(context, card) - 1;
    if (row < 0 || row >= GridRows(context))
        return true;
    const std::vector<int> cards = PileCodes(context.piles.tableaus[static_cast<std::size_t>(row)]);
    const int cell = static_cast<int>(std::find(cards.begin(), cards.end(), card) - cards.begin());
    bool above = false;
    for (int r = 0; r < row; ++r)
        above = above || GridCellHolds(context, r, cell);
    bool below = false;
    for (int r = row + 1; r < GridRows(context); ++r)
        below = below || GridCellHolds(context, r, cell);
    return !above || !below;
}

bool DealIntoGridCells(GameContext& context, const std::vector<PileCell>& cells, Mover mover)
{
    bool moved = false;
    for (const PileCell& cell : cells) {
        const std::string& stock = context.piles.Stock();
        if (stock.empty())
            break;
        moved |= ExecuteMove(context, TopElement(stock), CardTarget{cell, mover}, false);
    }
    return moved;
}

} // namespace marlowe
