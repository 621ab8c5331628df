#include "engine/hand_scores.h"

#include "catalogue/game_traits.h"
#include "catalogue/rule_values.h"
#include "engine/game_context.h"
#include "engine/move_history.h"
#include "engine/pile_text.h"
#include "engine/scoring.h"

#include <string_view>

namespace marlowe {

namespace {

constexpr int kHandPiles = 3;

bool DealsHands(const GameContext& context)
{
    return SpecialTraitsOf(context.rules).handsFromTableauBottoms ||
           context.rules.Of(rule::TableauDealMode, 0) == click_style::ThreeHands;
}

// The cards a move added on top of a discard pile that held before (texts of `step`
// characters a card); empty when the pile did not grow.
std::string_view AddedCards(std::string_view before, std::string_view after)
{
    if (after.size() <= before.size() || after.compare(0, before.size(), before) != 0)
        return {};
    return after.substr(before.size());
}

} // namespace

int HandOnTablePoints(const GameContext& context)
{
    std::string hand;
    for (int k = 0; k < kHandPiles && k < context.TableauCount(); ++k)
        if (const int bottom = ElementAt(context.piles.tableaus[static_cast<std::size_t>(k)], 0); bottom > 0)
            hand += CodeText(bottom);
    return BaccaratPoints(hand, 3);
}

std::optional<int> PartialScore(const GameContext& context)
{
    if (!DealsHands(context))
        return std::nullopt;
    return HandOnTablePoints(context);
}

int PutAwayHandsPoints(const GameContext& context)
{
    constexpr std::size_t kDiscard = kSecondWasteSlot;
    int points = 0;
    for (std::size_t i = 0; i + 1 < context.undoHistory.Size(); ++i)
        points += BaccaratPoints(AddedCards(context.undoHistory.At(i).piles[kDiscard],
                                            context.undoHistory.At(i + 1).piles[kDiscard]),
                                 4);
    if (!context.undoHistory.Empty()) {
        // The move after the last snapshot: compare with the table, read as a snapshot reads it.
        const std::string now = PileSnapshot(context, context.piles.stockGroup[kDiscard]);
        points += BaccaratPoints(AddedCards(context.undoHistory.Last().piles[kDiscard], now), 4);
    }
    return points;
}

} // namespace marlowe
