#include "engine/game_context.h"

#include "app/register_settings.h"
#include "catalogue/rule_loader.h"

namespace marlowe {

int GameContext::CurrentGameNumber() const
{
    return marlowe::CurrentGameNumber(registers);
}

Outcome GameContext::LoadRules()
{
    return marlowe::LoadRules(mainGame, CurrentGameNumber(), rules);
}

} // namespace marlowe
