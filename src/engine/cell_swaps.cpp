#include "engine/cell_swaps.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/deal_pack.h"
#include "engine/game_context.h"
#include "engine/legality_support.h"
#include "engine/pile_text.h"
#include "engine/presentation.h"

#include <array>

namespace marlowe {

namespace {

constexpr std::array kRowSuits = {Clubs, Spades, Hearts, Diamonds};
constexpr int kRowLength = King;

// The row and cell of a card of the rows; nothing when it lies elsewhere.
std::optional<PileCell> CellOf(const GameContext& context, int card)
{
    for (int k = 0; k < legality::GamePileCount(context, PileGroup::Tableaus); ++k) {
        const std::string& row = context.piles.tableaus[static_cast<std::size_t>(k)];
        for (int cell = 0; cell < ElementCount(row); ++cell)
            if (ElementAt(row, cell) == card)
                return PileCell{TableauPile(k), cell};
    }
    return std::nullopt;
}

bool Identical(int a, int b)
{
    return a != b && CardRank(a) == CardRank(b) && CardSuit(a) == CardSuit(b);
}

// Counts the cards of the suit rows for which test(in its own row, in its own column) holds.
template <typename Test>
int CountCards(const GameContext& context, Test test)
{
    int count = 0;
    for (int r = 0; r < static_cast<int>(kRowSuits.size()); ++r) {
        const std::string& row = context.piles.tableaus[static_cast<std::size_t>(r)];
        for (int cell = 0; cell < std::min(ElementCount(row), kRowLength); ++cell)
            if (const int card = ElementAt(row, cell); card != 0)
                count += test(CardSuit(card) == SuitOfRow(r), CardRank(card) == cell + 1) ? 1 : 0;
    }
    return count;
}

} // namespace

bool SwapsInLine(const RuleVector& rules, int tableau)
{
    return rules.Of(rule::TableauBuildCode, tableau) == building::SwapsInLine;
}

bool MaySwapInto(const GameContext& context, int tableau, int cell, int card)
{
    const std::string& waste = context.piles.Waste();
    const std::string& row = context.piles.tableaus[static_cast<std::size_t>(tableau)];
    if (waste.empty() || !Identical(card, TopElement(waste)) || cell >= ElementCount(row) || ElementAt(row, cell) == 0)
        return false;
    const std::optional<PileCell> from = CellOf(context, card);
    if (!from || !SwapsInLine(context.rules, from->pile.slot) || *from == PileCell{TableauPile(tableau), cell})
        return false;
    return from->pile.slot == tableau || from->cell == cell;
}

void SwapCells(GameContext& context, int card, PileCell target)
{
    const std::optional<PileCell> from = CellOf(context, card);
    if (!from)
        return;
    std::string& targetRow = context.piles[target.pile];
    const int other = ElementAt(targetRow, target.cell);
    targetRow.replace(static_cast<std::size_t>(target.cell) * 3, 3, CodeText(card));
    context.piles[from->pile].replace(static_cast<std::size_t>(from->cell) * 3, 3, CodeText(other));
    context.presentation().DrawPile(from->pile);
    context.presentation().DrawPile(target.pile);
}

void TurnAfterSwap(GameContext& context)
{
    if (!SpecialTraitsOf(context.rules).turnsAfterSwap || context.piles.Stock().empty())
        return;
    const int card = TopElement(context.piles.Stock());
    context.piles.Stock().resize(context.piles.Stock().size() - 3);
    PlaceFaceUp(context, WastePile(), card);
    context.presentation().DrawPile(StockPile());
    context.presentation().DrawPile(WastePile());
}

int SuitOfRow(int row)
{
    return kRowSuits[static_cast<std::size_t>(row)];
}

int CardsInTheirCells(const GameContext& context)
{
    return CountCards(context, [](bool ownRow, bool ownColumn) { return ownRow && ownColumn; });
}

int CardsInLineOfTheirCells(const GameContext& context)
{
    return CountCards(context, [](bool ownRow, bool ownColumn) { return ownRow != ownColumn; });
}

bool SuitRowsInOrder(const GameContext& context)
{
    return CardsInTheirCells(context) == static_cast<int>(kRowSuits.size()) * kRowLength;
}

} // namespace marlowe
