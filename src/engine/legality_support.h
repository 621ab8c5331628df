#pragma once
// Small readers of the table shared by the legality sources: how many piles of a kind the
// game uses and what a pile shows at its ends.

#include "engine/game_context.h"
#include "engine/pile_text.h"

#include <algorithm>
#include <string_view>

namespace marlowe::legality {

// The piles of a kind the game uses, never more than the slots that exist.
inline int GamePileCount(const GameContext& context, PileGroup group)
{
    const int used = group == PileGroup::Foundations ? context.FoundationCount()
                     : group == PileGroup::Tableaus  ? context.TableauCount()
                     : group == PileGroup::Reserves  ? context.ReserveCount()
                                                     : 0;
    return std::clamp(used, 0, PileStore::SlotCount(group));
}

inline const std::string& PileAt(const GameContext& context, PileGroup group, int slot)
{
    return context.piles.Slot(group, slot);
}

// The top card as a placement query passes it: -1 for an empty pile.
inline int TopOrEmpty(std::string_view pile)
{
    return pile.empty() ? -1 : TopElement(pile);
}

// The bottom element of a pile; 0 when it is empty.
inline int BottomCard(std::string_view pile)
{
    return pile.empty() ? 0 : ElementAt(pile, 0);
}

} // namespace marlowe::legality
