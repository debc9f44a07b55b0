#pragma once

#include "PseudoTerminal.h"
#include "core/link/RadioLink.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace qtr::test {

// The program's serial link on a pseudo-terminal, with the test playing the radio on the
// master side from a script: each command of the expected length gets its reply.
class ScriptedPtyRadio {
public:
    using Bytes = std::vector<std::uint8_t>;
    using Script = std::vector<std::pair<std::size_t, Bytes>>;

    ScriptedPtyRadio()
    {
        link.Port().UseDeviceSettings(&pty_.Settings());
        EXPECT_EQ(link.Port().SetOpen(1), LinkResult::Done);
    }
    ~ScriptedPtyRadio()
    {
        if (radio_.joinable())
            radio_.join();
        link.Port().SetOpen(0);
    }

    // Plays the script on its own thread; a command that does not come within `waitMs` ends it.
    void Play(Script script, int waitMs = 1000)
    {
        radio_ = std::thread([this, script = std::move(script), waitMs] {
            for (const auto& [expected, reply] : script) {
                Bytes command(expected);
                std::size_t got = 0;
                while (got < expected) {
                    pollfd entry{pty_.Master(), POLLIN, 0};
                    if (poll(&entry, 1, waitMs) <= 0)
                        return;
                    got += static_cast<std::size_t>(read(pty_.Master(), command.data() + got, expected - got));
                }
                heard_.insert(heard_.end(), command.begin(), command.end());
                if (!reply.empty())
                    static_cast<void>(write(pty_.Master(), reply.data(), reply.size()));
            }
        });
    }
    // What the program sent, once the script has ended.
    Bytes Heard()
    {
        radio_.join();
        return heard_;
    }

    RadioLink link;

private:
    PseudoTerminal pty_;
    std::thread radio_;
    Bytes heard_;
};

} // namespace qtr::test
