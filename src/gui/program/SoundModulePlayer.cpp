#include "gui/program/SoundModulePlayer.h"

#include "gui/sound/SoundModule.h"

#include <QCoreApplication>

namespace qtr::gui {

SoundModulePlayer::SoundModulePlayer() : SoundModulePlayer(InstalledModulePath()) {}

SoundModulePlayer::SoundModulePlayer(const QString& modulePath) : module_(modulePath) {}

// The player goes before its code is unloaded; the library is kept loaded (Qt unloads nothing
// at exit), so a late queued notice of the player never runs into unmapped code.
SoundModulePlayer::~SoundModulePlayer() { player_.reset(); }

QString SoundModulePlayer::InstalledModulePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" QTR_SOUND_MODULE_FROM_PROGRAM);
}

bool SoundModulePlayer::Load()
{
    if (player_)
        return true;
    const auto create = reinterpret_cast<QtrNewSoundPlayer>(module_.resolve(QTR_SOUND_MODULE_ENTRY));
    if (create)
        player_.reset(create());
    return player_ != nullptr;
}

SoundPlayer::Opening SoundModulePlayer::Open(const std::string& path)
{
    return Load() ? player_->Open(path) : Opening::NoOutput;
}

bool SoundModulePlayer::Play(std::function<void()> finished)
{
    return player_ && player_->Play(std::move(finished));
}

bool SoundModulePlayer::Stop()
{
    return !player_ || player_->Stop();
}

void SoundModulePlayer::Close()
{
    if (player_)
        player_->Close();
}

} // namespace qtr::gui
