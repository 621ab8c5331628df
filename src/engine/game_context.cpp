#include "engine/game_context.h"

#include "catalogue/rule_loader.h"

namespace marlowe {

int GameContext::CurrentGameNumber() const
{
    return static_cast<int>(registers.GetNumber(62, 4, -1));
}

Outcome GameContext::LoadRules()
{
    return marlowe::LoadRules(mainGame, CurrentGameNumber(), rules);
}

} // namespace marlowe
