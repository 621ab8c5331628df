#include "engine/autoplay.h"

#include "engine/lifecycle.h"
#include "engine/move_execution.h"
#include "engine/pile_text.h"
#include "engine/post_move.h"
#include "engine/preferences.h"

#include <algorithm>

namespace marlowe {

namespace {

// Offers a face-up top card to the foundations, as autoplay.
bool OfferToFoundations(GameContext& context, int card, const FoundationSet& unplacedFoundations)
{
    if (card <= 0 || context.cards.IsFaceDown(card) || context.flags[StopAutoPlay])
        return false;
    AutoMoveRequest request;
    request.mover = Mover::Autoplay;
    request.unplacedFoundations = unplacedFoundations;
    return AutoMoveCard(context, card, request);
}

// One sweep: reserves, the waste, the tableau piles.
bool Sweep(GameContext& context, const FoundationSet& unplacedFoundations)
{
    bool moved = false;
    const int reserves = std::clamp(context.ReserveCount(), 0, kMaxReserves);
    for (int r = 0; r < reserves; ++r)
        moved |= OfferToFoundations(context, TopElement(context.piles.reserves[static_cast<std::size_t>(r)]),
                                    unplacedFoundations);
    if (context.rules[rule::WasteFaceDown] == 0)
        moved |= OfferToFoundations(context, TopElement(context.piles.Waste()), unplacedFoundations);
    // With autoplay on, move execution leaves exposed cards to this pass.
    if (context.rules[rule::AutoFaceUp] == 1)
        TurnUpExposedCards(context);
    const int tableaus = std::clamp(context.TableauCount(), 0, kMaxTableaus);
    for (int k = 0; k < tableaus; ++k)
        moved |= OfferToFoundations(context, TopElement(context.piles.tableaus[static_cast<std::size_t>(k)]),
                                    unplacedFoundations);
    return moved;
}

} // namespace

bool AutomaticPlayMayAct(const GameContext& context)
{
    const bool waitsForFirstMove = AwaitsFirstFoundationMove(context);
    return context.mainGame.TableDrawn != 0 && context.flags[GameInProgress] && !waitsForFirstMove;
}

bool AutoFoundationPass(GameContext& context, const FoundationSet& unplacedFoundations)
{
    if (!AutomaticPlayMayAct(context) || !context.AutoplayActive())
        return false;
    bool movedAny = false;
    while (!context.flags[StopAutoPlay] && Sweep(context, unplacedFoundations))
        movedAny = true;
    if (movedAny && context.flags[WonMark])
        EndGame(context);
    return movedAny;
}

bool AutoplayCycle(GameContext& context, const FoundationSet& unplacedFoundations)
{
    context.flags.Clear(StopAutoPlay);
    bool moved = AutoFoundationPass(context, unplacedFoundations);
    while (!context.flags[StopAutoPlay]) {
        moved |= AutoFillEmptyTableau(context);
        if (!AutoFoundationPass(context, unplacedFoundations))
            break;
        moved = true;
    }
    return moved;
}

void SetAutoplay(GameContext& context, Preferences& preferences, bool on)
{
    context.autoplayOn = on;
    if (on && context.flags[GameInProgress])
        AutoplayCycle(context);
    preferences.StoreAutoplaySwitch(context.mainGame, context.CurrentGameNumber(), on, context.autoplayAvailable);
}

void RestoreAutoplaySetting(GameContext& context, const Preferences& preferences, int game)
{
    if (context.mainGame.AutoPlayMode != 2 || !context.autoplayAvailable)
        return;
    const bool stored = preferences.ReadAutoplaySwitch(context.mainGame, game);
    if (stored == context.autoplayOn)
        return;
    // The stored value needs no storing again; only the switch and its consequence change.
    context.autoplayOn = stored;
    if (stored && context.flags[GameInProgress])
        AutoplayCycle(context);
}

} // namespace marlowe
