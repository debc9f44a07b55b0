#pragma once

#include <functional>
#include <string>

namespace qtr {

// Plays one sound file at a time (the call tones). The desktop program plays through the
// computer's sound system; tests answer with a fake.
class SoundPlayer {
public:
    // The file is missing, unreadable or no sound the player knows; or the file is fine
    // but no sound output (device or sound server) can play it.
    enum class Opening { Opened, BadFile, NoOutput };

    virtual ~SoundPlayer() = default;
    // Prepares the file.
    virtual Opening Open(const std::string& path) = 0;
    // Starts the opened file; `finished` is called once it has played to its end. False
    // when playback could not start.
    virtual bool Play(std::function<void()> finished) = 0;
    // Stops playing; false when the stop failed.
    virtual bool Stop() = 0;
    // Lets go of the opened file.
    virtual void Close() = 0;
};

} // namespace qtr
