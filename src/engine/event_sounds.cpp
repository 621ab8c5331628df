#include "engine/event_sounds.h"

#include "engine/game_context.h"
#include "engine/presentation.h"

namespace marlowe {

namespace {

constexpr int kSoundsEnabled = 141;

void Play(GameContext& context, std::string_view name, bool wanted, SoundMode mode)
{
    if (wanted && context.registers.IsYes(kSoundsEnabled))
        context.presentation().PlaySound(name, mode);
}

} // namespace

bool SoundWanted(const GameContext& context, SoundSwitch soundSwitch)
{
    return context.registers.IsYes(static_cast<int>(soundSwitch));
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

void PlayEventSound(GameContext& context, std::string_view name, SoundSwitch soundSwitch, bool looping)
{
    Play(context, name, SoundWanted(context, soundSwitch), looping ? SoundMode::Looping : SoundMode::Once);
}

} // namespace marlowe
