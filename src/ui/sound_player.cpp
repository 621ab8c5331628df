#include "ui/sound_player.h"

#include "board/resource_modules.h"

#include <QSoundEffect>

namespace marlowe {

SoundPlayer::SoundPlayer(const ResourceModules& modules) : modules_(modules) {}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect* SoundPlayer::EffectFor(std::string_view name)
{
    const std::string key(name);
    const auto known = effects_.find(key);
    if (known != effects_.end())
        return known->second.get();
    const QString path = modules_.EntryPath(name);
    if (path.isEmpty())
        return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl("qrc" + path));
    return effects_.emplace(key, std::move(effect)).first->second.get();
}

bool SoundPlayer::Play(std::string_view name, SoundMode mode)
{
    QSoundEffect* effect = EffectFor(name);
    if (mode != SoundMode::NoInterrupt || !effect)
        Stop();
    if (!effect)
        return false;
    effect->setLoopCount(mode == SoundMode::Looping ? QSoundEffect::Infinite : 1);
    effect->play();
    playing_ = effect;
    return true;
}

void SoundPlayer::Stop()
{
    if (playing_)
        playing_->stop();
    playing_ = nullptr;
}

}  // namespace marlowe
