#pragma once

#include <functional>
#include <string>

namespace qtr {

// Plays one sound file at a time (the call tones). The desktop program plays through the
// computer's sound system; tests answer with a fake.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Prepares the file; false when it cannot be opened (missing, unreadable, not a sound
    // the player knows, or no sound device).
    virtual bool Open(const std::string& path) = 0;
    // Starts the opened file; `finished` is called once it has played to its end. False
    // when playback could not start.
    virtual bool Play(std::function<void()> finished) = 0;
    // Stops playing; false when the stop failed.
    virtual bool Stop() = 0;
    // Lets go of the opened file.
    virtual void Close() = 0;
};

} // namespace qtr
