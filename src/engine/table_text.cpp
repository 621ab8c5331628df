#include "engine/table_text.h"

#include "engine/game_context.h"
#include "engine/move_history.h"

namespace marlowe {

void PrintTable(const GameContext& context, std::ostream& out)
{
    const RuleVector& rules = context.rules;
    const PileStore& piles = context.piles;
    // Piles the game does not use are printed only when they hold cards, so no card is hidden.
    auto print = [&](PileRef pile, bool used) {
        if (used || !piles[pile].empty())
            out << PileName(pile) << '=' << PileSnapshot(context, piles[pile]) << '\n';
    };
    const bool stockUsed = rules[rule::StockGroupCount] > 0 || rules[rule::StockCardCount] > 0;
    print({PileGroup::StockGroup, kStockSlot}, stockUsed);
    print({PileGroup::StockGroup, kWasteSlot}, stockUsed);
    print({PileGroup::StockGroup, kSecondWasteSlot},
          rules[rule::SecondWasteCount] > 0 || rules[rule::SecondWasteCardCount] > 0);
    for (auto group : {PileGroup::Foundations, PileGroup::Tableaus, PileGroup::Reserves}) {
        const int used = group == PileGroup::Foundations ? context.FoundationCount()
                         : group == PileGroup::Tableaus  ? context.TableauCount()
                                                         : context.ReserveCount();
        for (int slot = 0; slot < PileStore::SlotCount(group); ++slot)
            print({group, slot}, slot < used);
    }
}

} // namespace marlowe
