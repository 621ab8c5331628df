#include "engine/placing_rounds.h"

#include "catalogue/game_traits.h"
#include "engine/game_context.h"

#include <algorithm>

namespace marlowe {

namespace {

// A round places one card on every pile's account.
int RoundLength(const GameContext& context)
{
    return context.TableauCount();
}

bool StockAndWasteOut(const GameContext& context)
{
    return context.piles.Stock().empty() && context.piles.Waste().empty();
}

} // namespace

bool PlaysInPlacingRounds(const GameContext& context)
{
    return SpecialTraitsOf(context.rules).placingRounds;
}

int CardsLeftToPlace(const GameContext& context)
{
    const int placed = context.mainGame.GameCounter1;
    if (!PlaysInPlacingRounds(context) || placed <= 0 || StockAndWasteOut(context))
        return 0;
    return std::max(RoundLength(context) - placed, 0);
}

void CountPlacedCard(GameContext& context, CardLocation from, Mover mover)
{
    if (!PlaysInPlacingRounds(context) || from != kInWaste || mover != Mover::Player)
        return;
    auto& placed = context.mainGame.GameCounter1;
    placed = static_cast<std::int16_t>(placed >= RoundLength(context) ? 1 : placed + 1);
}

RoundSetAside::RoundSetAside(GameContext& context) : context_(context), placed_(context.mainGame.GameCounter1)
{
    if (PlaysInPlacingRounds(context))
        context.mainGame.GameCounter1 = 0;
}

RoundSetAside::~RoundSetAside()
{
    context_.mainGame.GameCounter1 = placed_;
}

std::string PlacingRoundText(const GameContext& context)
{
    const int left = CardsLeftToPlace(context);
    if (left == 0)
        return {};
    return "Place " + std::to_string(left) + (left == 1 ? " more card" : " more cards");
}

} // namespace marlowe
