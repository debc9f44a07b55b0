#pragma once

#include "core/base/SoundPlayer.h"

#include <string>
#include <vector>

namespace qtr::test {

// A sound player without sound: records what it was asked, fails where told to, and
// finishes a playing when the test says so.
class FakeSoundPlayer : public SoundPlayer {
public:
    Opening Open(const std::string& path) override
    {
        calls.push_back("open " + path);
        opened = opening == Opening::Opened ? path : std::string();
        return opening;
    }
    bool Play(std::function<void()> finished) override
    {
        calls.push_back("play");
        if (playFails)
            return false;
        finished_ = std::move(finished);
        playing = true;
        return true;
    }
    bool Stop() override
    {
        calls.push_back("stop");
        if (stopFails)
            return false;
        playing = false;
        return true;
    }
    void Close() override
    {
        calls.push_back("close");
        opened.clear();
        playing = false;
    }
    // The sound has played to its end.
    void Finish()
    {
        playing = false;
        if (finished_)
            finished_();
    }

    Opening opening = Opening::Opened;
    bool playFails = false;
    bool stopFails = false;
    bool playing = false;
    std::string opened;
    std::vector<std::string> calls;

private:
    std::function<void()> finished_;
};

} // namespace qtr::test
