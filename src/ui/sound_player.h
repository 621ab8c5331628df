#pragma once
// The program's sounds: the WAVE entries of the resource module played in the background. A
// sound cuts off the one that is playing unless it is asked to play over it; a looping one
// repeats until stopped. Without an audio device the player stays silent and never fails the
// program.

#include "engine/presentation.h"

#include <QString>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QSoundEffect;

namespace marlowe {

class ResourceModules;

class SoundPlayer {
public:
    explicit SoundPlayer(const ResourceModules& modules);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the named sound; false (and whatever played is stopped) when the modules hold no
    // sound of that name.
    bool Play(std::string_view name, SoundMode mode);
    void Stop();

private:
    QSoundEffect* EffectFor(std::string_view name);

    const ResourceModules& modules_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace marlowe
