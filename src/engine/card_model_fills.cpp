// An empty tableau pile filled at once from the stock's top card, from the waste's once the
// stock is out (Grandfather). A pile empties only when its last card goes home, so at most one
// pile waits for a card at a time, and clicks never meet an empty pile: a pile stays empty
// only once the stock and the waste are both out.

#include "engine/card_model.h"

namespace marlowe {

PileSet CardModel::FillFromStock(ModelPosition& p) const
{
    PileSet filled = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile) {
        if (piles_[static_cast<std::size_t>(pile)].role != Role::Tableau || Size(p, pile) > 0)
            continue;
        const int source = Size(p, stock_) > 0 ? stock_ : Size(p, waste_) > 0 ? waste_ : -1;
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

} // namespace marlowe
