#pragma once

#include <functional>
#include <memory>
#include <string>

namespace qtr {

class Prompter;
class SoundPlayer;

// The "P/S" button of the Optional features window: plays the call tone of the level in
// the Calling Alert Level field, or stops the one playing. A failure names the file.
class CallTonePlayback {
public:
    CallTonePlayback(SoundPlayer& player, Prompter& prompter, std::string programFolder);
    ~CallTonePlayback();
    CallTonePlayback(const CallTonePlayback&) = delete;
    CallTonePlayback& operator=(const CallTonePlayback&) = delete;

    bool Playing() const { return playing_; }
    // The level whose tone plays.
    long long Level() const { return level_; }

    // "P/S": plays the tone of `levelText` when idle, stops the tone when playing.
    void PlayOrStop(const std::string& levelText);
    // The level field changed: a level other than the one playing stops the tone.
    void LevelChanged(const std::string& levelText);
    // The window closes: a tone still playing is stopped and let go of.
    void Close();

    // Called whenever playing starts or ends, for the button's picture.
    std::function<void()> stateChanged;

private:
    void Play(const std::string& levelText);
    void Stop();
    void Finished(int playNumber);
    void BecomeIdle();
    void Fail(int messageId) const;

    SoundPlayer& player_;
    Prompter& prompter_;
    std::string programFolder_;
    std::string file_;
    bool playing_ = false;
    long long level_ = 0;
    // A completion notice of an earlier playing, or one that comes after this object has
    // gone, is not this playing's end.
    int playNumber_ = 0;
    std::shared_ptr<CallTonePlayback*> self_;
};

} // namespace qtr
