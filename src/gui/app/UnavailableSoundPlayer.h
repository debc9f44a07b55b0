#pragma once

#include "core/base/SoundPlayer.h"

namespace qtr::gui {

// The player of a program built without sound output: no file can be opened, so the
// user is told that the call tone cannot be played, naming the file.
class UnavailableSoundPlayer : public SoundPlayer {
public:
    bool Open(const std::string&) override { return false; }
    bool Play(std::function<void()>) override { return false; }
    bool Stop() override { return true; }
    void Close() override {}
};

} // namespace qtr::gui
