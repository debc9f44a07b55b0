#pragma once

#include "core/testmode/TuningLine.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <set>
#include <vector>

namespace qtr::test {

// A radio in test mode at the byte level: it acknowledges every command, answers the
// point-value request with its point bytes and the measuring request with its measured
// value, and stays silent for the commands a test names. Every byte the program sent is
// kept in order, ACKs and the end byte included.
class ScriptedTuningRadio : public testmode::TuningLine {
public:
    static constexpr std::uint8_t kAck = 0x06;

    bool Send(std::span<const std::uint8_t> bytes) override
    {
        sent.insert(sent.end(), bytes.begin(), bytes.end());
        queue_.clear();
        if (Answers())
            queue_ = ReplyTo(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        return true;
    }
    bool WaitConfirmation() override
    {
        const bool confirmed = queue_.size() == 1 && queue_.front() == kAck;
        queue_.clear();
        return confirmed;
    }
    bool Receive(std::span<std::uint8_t> reply) override
    {
        if (queue_.size() != reply.size())
            return false;
        std::copy(queue_.begin(), queue_.end(), reply.begin());
        queue_.clear();
        return true;
    }
    std::optional<std::uint8_t> ReadByte(std::uint32_t timeoutMs) override
    {
        readTimeouts.push_back(timeoutMs);
        if (queue_.empty())
            return std::nullopt;
        const std::uint8_t byte = queue_.front();
        queue_.pop_front();
        return byte;
    }
    bool Acknowledge() override
    {
        queue_.clear();
        sent.push_back(kAck);
        return true;
    }
    void LeaveTestMode() override { sent.push_back('E'); }
    bool SetTransmit(bool on) override
    {
        sent.push_back(0x08);
        sent.push_back(on ? 0x0D : 0x0E);
        return Answers();
    }

    // What the program sent since the last call.
    std::vector<std::uint8_t> TakeSent()
    {
        std::vector<std::uint8_t> taken;
        taken.swap(sent);
        return taken;
    }

    std::vector<std::uint8_t> sent;
    std::vector<std::uint8_t> pointValues;
    std::uint8_t measured = 0;
    // Commands (counted from 0, transmitter switches included) that get no answer.
    std::set<int> silentCommands;
    std::vector<std::uint32_t> readTimeouts;

private:
    bool Answers() { return !silentCommands.contains(commandCount_++); }
    std::deque<std::uint8_t> ReplyTo(const std::vector<std::uint8_t>& command) const
    {
        if (command == std::vector<std::uint8_t>{0x07})
            return {pointValues.begin(), pointValues.end()};
        if (command.size() == 2 && command[1] == 0x0A)
            return {measured};
        return {kAck};
    }

    std::deque<std::uint8_t> queue_;
    int commandCount_ = 0;
};

} // namespace qtr::test
