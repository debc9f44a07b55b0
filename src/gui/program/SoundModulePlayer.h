#pragma once

#include "core/base/SoundPlayer.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace qtr::gui {

// The call-tone player of the desktop program. The player itself lives in a module that is
// loaded when the first tone is opened: the sound system's libraries would otherwise cost
// every start a few megabytes for a feature most sessions never use. A module that cannot be
// loaded counts as a computer without sound output.
class SoundModulePlayer : public SoundPlayer {
public:
    // The module installed with the program.
    SoundModulePlayer();
    explicit SoundModulePlayer(const QString& modulePath);
    ~SoundModulePlayer() override;
    SoundModulePlayer(const SoundModulePlayer&) = delete;
    SoundModulePlayer& operator=(const SoundModulePlayer&) = delete;

    Opening Open(const std::string& path) override;
    bool Play(std::function<void()> finished) override;
    bool Stop() override;
    void Close() override;

    // Where the program looks for its module: relative to its own folder, as installed.
    static QString InstalledModulePath();

private:
    bool Load();

    QLibrary module_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace qtr::gui
