// An empty tableau pile filled at once from the stock's top card, from the waste's once the
// stock is out (Grandfather), or from the waste's top card, the stock's while the waste is
// empty (Terrace). Every move is followed by the fill, so clicks never meet an empty pile: a
// pile stays empty only once the stock and the waste are both out.

#include "engine/card_model.h"

namespace marlowe {

PileSet CardModel::FillFromStock(ModelPosition& p) const
{
    const int first = fillWasteFirst_ ? waste_ : stock_;
    const int second = fillWasteFirst_ ? stock_ : waste_;
    PileSet filled = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile) {
        if (piles_[static_cast<std::size_t>(pile)].role != Role::Tableau || Size(p, pile) > 0)
            continue;
        const int source = Size(p, first) > 0 ? first : Size(p, second) > 0 ? second : -1;
        if (source < 0)
            break;
        Shift(p, source, 1, pile);
        filled |= PileBit(source) | PileBit(pile);
    }
    return filled;
}

// The fill takes the stock's top card now instead of whenever the pile would have emptied in
// another line, and every later turn of the stock shifts with it: a move that empties a pile
// is no move to make before all others while the stock or the waste holds a card.
bool CardModel::FillShiftsTheStock(const ModelPosition& p, const ModelMove& move) const
{
    if (!fillFromStock_ || move.kind != ModelMove::Kind::Cards || StockAndWasteOut(p))
        return false;
    const Role from = piles_[move.from].role;
    return from == Role::Tableau && Size(p, move.from) == move.count;
}

// Where every card the stock turns up may wait on a tableau pile that holds cards only for the
// foundations (Grandfather's twenty piles), each card the clicks could bring up plays onto a
// score of piles, and moves joined with their clicks make thousands of children of every
// position. There a click is a move of its own: a position has the plays of the waste's top,
// the tableau's cards home and the click, and a line that turns the stock and plays cards home
// as they come is a line of few choices. The stock is turned a limited number of times and
// one card at a time, so the moves are the engine's own actions, one by one.
bool CardModel::ClicksAloneWait() const
{
    return fillFromStock_ && tableauWaitsForHome_ && waste_ >= 0 && !golf_ && drawCount_ == 1 && !passesUnlimited_ &&
           !turnsOnEmptyWasteOnly_ && !foundationsWaitForStock_;
}

} // namespace marlowe
