#include "engine/event_sounds.h"

#include "engine/game_context.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {
constexpr int kSoundsEnabled = 141;
}

void PlayEventSound(GameContext& context, std::string_view name, SoundSwitch soundSwitch, bool looping)
{
    if (context.registers.IsYes(kSoundsEnabled) && context.registers.IsYes(static_cast<int>(soundSwitch)))
        context.presentation().PlaySound(name, looping);
}

} // namespace marlowe
