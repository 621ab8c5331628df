#include "engine/winnable_deal.h"

#include "catalogue/game_traits.h"
#include "engine/lifecycle.h"
#include "engine/presentation.h"
#include "engine/quiet_play.h"
#include "engine/shuffle.h"

namespace marlowe {

bool SolvesForThePlayer(const GameContext& context)
{
    return context.commands.moveFinder && !IsMemoryGame(context.rules);
}

GameContext PlayersCopy(const GameContext& context, Presentation& presentation)
{
    GameContext copy = QuietCopy(context, presentation);
    copy.autoplayOn = false;
    return copy;
}

std::string NoWinnableDealMessage(int tries)
{
    return "No winnable deal was found in " + std::to_string(tries) + " tries; this deal may not be winnable.";
}

bool DealWinnableGame(GameContext& context, RandomSource& random, const WinnableDealSearch& search)
{
    // Each try starts from the table as it was before the first deal: a deal writes base ranks
    // into the rules and may score its foundation cards.
    const GameContext undealt = context;
    SilentPresentation silent;
    Presentation& presentation = context.presentation();
    presentation.ShowBusy(true);
    bool proved = false;
    for (int attempt = 1;; ++attempt) {
        NewDealNumber(context, random);
        DealAndStart(context, random);
        proved = Solve(PlayersCopy(context, silent), search.solver).Won();
        if (proved || attempt >= search.tries)
            break;
        context = undealt;
    }
    presentation.ShowBusy(false);
    if (!proved)
        presentation.ShowInfo(NoWinnableDealMessage(search.tries));
    return proved;
}

} // namespace marlowe
