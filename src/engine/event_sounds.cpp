#include "engine/event_sounds.h"

#include "engine/game_context.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {

void Play(GameContext& context, std::string_view name, bool wanted, SoundMode mode)
{
    if (wanted && context.registers.IsYes(reg::SoundsEnabled))
        context.presentation().PlaySound(name, mode);
}

} // namespace

bool SoundWanted(const GameContext& context, RegisterField soundSwitch)
{
    return context.registers.IsYes(soundSwitch);
}

void PlaySoundOnce(GameContext& context, std::string_view name, bool wanted)
{
    Play(context, name, wanted, SoundMode::Once);
}

void PlaySoundNoInterrupt(GameContext& context, std::string_view name, bool wanted)
{
    Play(context, name, wanted, SoundMode::NoInterrupt);
}

void PlaySoundLooping(GameContext& context, std::string_view name, bool wanted)
{
    Play(context, name, wanted, SoundMode::Looping);
}

void StopSound(GameContext& context)
{
    PlaySoundOnce(context, kSilentSound, true);
}

void PlayEventSound(GameContext& context, std::string_view name, RegisterField soundSwitch, bool looping)
{
    Play(context, name, SoundWanted(context, soundSwitch), looping ? SoundMode::Looping : SoundMode::Once);
}

} // namespace marlowe
