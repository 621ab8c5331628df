#pragma once
// The sounds of game events. A sound plays only when the master switch and its own switch
// (registers of the preferences) are on.

#include <string_view>

namespace marlowe {

class GameContext;

// The register of each event's switch.
enum class SoundSwitch {
    Autoplay = 143,
    GameWon = 144,
    NewGame = 145,
    Shuffle = 149,
    Pairing = 175,
    Stock = 176,
    Tableau = 177,
    FaceUp = 180,
    Redeal = 183,
    Foundation = 184,
    CardDown = 181,
    CardUp = 182,
    RedealWithoutAnimation = 252,
};

void PlayEventSound(GameContext& context, std::string_view name, SoundSwitch soundSwitch, bool looping = false);

} // namespace marlowe
