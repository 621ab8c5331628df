#pragma once
// The program's sounds. Every sound has its own switch and all of them a master switch
// (registers of the preferences); a sound plays only when both are on. A name the resource
// module lacks silences whatever plays, which is how a sound is stopped.

#include <string_view>

namespace marlowe {

class GameContext;

// The register of each event's switch.
enum class SoundSwitch {
    About = 142,
    Autoplay = 143,
    GameWon = 144,
    NewGame = 145,
    Redo = 146,
    Restart = 147,
    Splash = 148,
    Shuffle = 149,
    Undo = 151,
    HiScores = 171,
    NewHiScores = 174,
    Pairing = 175,
    Stock = 176,
    Tableau = 177,
    FaceUp = 180,
    CardDown = 181,
    CardUp = 182,
    Redeal = 183,
    Foundation = 184,
    RedealWithoutAnimation = 252,
};

// The name played to silence the sound that plays.
inline constexpr std::string_view kSilentSound = "_tmp_stop_";

// Whether the event's own switch is on.
bool SoundWanted(const GameContext& context, SoundSwitch soundSwitch);

// Starts the named sound when wanted and the master switch is on, cutting off the one that
// plays; NoInterrupt lets the playing one go on; Looping repeats until stopped.
void PlaySoundOnce(GameContext& context, std::string_view name, bool wanted);
void PlaySoundNoInterrupt(GameContext& context, std::string_view name, bool wanted);
void PlaySoundLooping(GameContext& context, std::string_view name, bool wanted);
// With the master switch on: silences whatever plays.
void StopSound(GameContext& context);

// The sound of a game event behind its switch, once or looping.
void PlayEventSound(GameContext& context, std::string_view name, SoundSwitch soundSwitch, bool looping = false);

} // namespace marlowe
