#pragma once
// The program's sounds. Every sound has its own switch (a SoundSwitch register) and all of them
// the master switch reg::SoundsEnabled; a sound plays only when both are on. A name the resource
// module lacks silences whatever plays, which is how a sound is stopped.

#include "app/register_fields.h"

#include <string_view>

namespace marlowe {

class GameContext;

// The name played to silence the sound that plays.
inline constexpr std::string_view kSilentSound = "_tmp_stop_";

// Whether the event's own switch is on.
bool SoundWanted(const GameContext& context, RegisterField soundSwitch);

// Starts the named sound when wanted and the master switch is on, cutting off the one that
// plays; NoInterrupt lets the playing one go on; Looping repeats until stopped.
void PlaySoundOnce(GameContext& context, std::string_view name, bool wanted);
void PlaySoundNoInterrupt(GameContext& context, std::string_view name, bool wanted);
void PlaySoundLooping(GameContext& context, std::string_view name, bool wanted);
// With the master switch on: silences whatever plays.
void StopSound(GameContext& context);

// The sound of a game event behind its switch, once or looping.
void PlayEventSound(GameContext& context, std::string_view name, RegisterField soundSwitch, bool looping = false);

} // namespace marlowe
