#include "engine/quiet_play.h"

#include "engine/game_won.h"

namespace marlowe {

GameContext QuietCopy(const GameContext& context, Presentation& presentation)
{
    GameContext copy = context;
    copy.SetPresentation(presentation);
    copy.recordGame = nullptr;
    copy.secondOfDay = nullptr;
    return copy;
}

bool ReplayWins(const GameContext& start, const std::vector<PlayAction>& actions)
{
    SilentPresentation silent;
    GameContext replay = QuietCopy(start, silent);
    for (const auto& action : actions)
        if (!PerformAction(replay, action))
            return false;
    return IsGameWon(replay);
}

} // namespace marlowe
