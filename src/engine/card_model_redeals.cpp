// The redeal that moves the bottom card of every tableau pile of two cards or more to its top,
// face up, at a click on the empty stock while passes last (Crescent). The piles all shift
// alike, so the keys may still leave the order of alike piles out; the passes made are the
// position's redeal count.

#include "engine/card_model_redeals.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/card_model.h"
#include "engine/game_context.h"

#include <algorithm>

namespace marlowe {

bool BottomCardsToTopModelled(const GameContext& context)
{
    const RuleVector& rules = context.rules;
    const SpecialTraits& traits = SpecialTraitsOf(rules);
    if (rules[rule::RedealStyle] != redeal::BottomToTop || rules[rule::StockGroupCount] != 1 || rules[rule::WasteShown] == 1 ||
        traits.countsStockTurns || traits.idleStock || traits.turnsWhilePlaceEmpty != 0)
        return false;
    // The click must reach the redeal: no row or reserve deal comes first, and the stock is out.
    const int tableaus = std::clamp(context.TableauCount(), 0, PileStore::SlotCount(PileGroup::Tableaus));
    for (int k = 0; k < tableaus; ++k)
        if (rules.Of(rule::TableauDealMode, k) != deal_mode::None)
            return false;
    const int reserves = std::clamp(context.ReserveCount(), 0, PileStore::SlotCount(PileGroup::Reserves));
    for (int r = 0; r < reserves; ++r)
        if (rules.Of(rule::ReserveDealMode, r) != deal_mode::None)
            return false;
    return context.piles.Stock().empty() && context.piles.Waste().empty() && context.piles.stockGroup[kSecondWasteSlot].empty();
}

bool CardModel::MayShiftBottoms(const ModelPosition& p) const
{
    return passes_ == -1 || p.redeals < passes_;
}

PileSet CardModel::ShiftBottoms(ModelPosition& p) const
{
    PileSet changed = 0;
    for (int pile = firstTableau_; pile < endTableau_; ++pile) {
        if (Size(p, pile) < 2)
            continue;
        std::uint8_t* begin = p.cards.data() + Begin(p, pile);
        std::uint8_t* end = p.cards.data() + p.end[static_cast<std::size_t>(pile)];
        std::rotate(begin, begin + 1, end);
        *(end - 1) &= static_cast<std::uint8_t>(~kFaceDownBit);
        changed |= PileBit(pile);
    }
    if (passes_ != -1)
        ++p.redeals;
    return changed;
}

} // namespace marlowe
