#pragma once

#include "sim/FaultPlan.h"
#include "sim/RadioProfile.h"
#include "sim/TestModeRadio.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qtr::sim {

// What the radio sends back for one command; after a hang-up only `hangUpAfter` bytes go out.
struct Reply {
    std::vector<std::uint8_t> bytes;
    std::optional<std::size_t> hangUpAfter;
    bool storesOther = false; // a written block is kept altered
};

// The radio's side of the programming protocol, without any line: bytes in, answers
// out. Outside programming and test mode only "PROGRAM" and "TUNING " are heard. Radios
// given to follow take the first one's place in turn, as on a cable at a fleet station:
// a radio that has told its serial number is taken off, and the next "PROGRAM" meets the
// next radio.
class RadioProtocol {
public:
    explicit RadioProtocol(const RadioProfile& profile, std::vector<RadioProfile> following = {});
    // The test mode refers to the memory of this very radio.
    RadioProtocol(const RadioProtocol&) = delete;
    RadioProtocol& operator=(const RadioProtocol&) = delete;

    void Receive(const std::uint8_t* bytes, std::size_t count);
    // The answer to the next complete command, if one has arrived. `lineQuiet` says that
    // no more bytes followed, so that a lone 'P' is the information request.
    std::optional<Reply> Next(bool lineQuiet);
    // The bytes received so far may be the start of a longer command.
    bool AwaitsMore() const { return !pending_.empty() && waitingForMore_; }

    const ImageBytes& Memory() const { return memory_; }
    // The memory of every radio so far, those taken off first, the one on the cable last.
    std::vector<ImageBytes> Memories() const;
    bool InProgrammingMode() const { return programming_; }
    const TestModeRadio& TestMode() const { return testMode_; }

private:
    std::optional<Reply> NextInProgrammingMode(bool lineQuiet);
    std::optional<Reply> ReadRequest();
    std::optional<Reply> WriteBlock();
    std::optional<Reply> SerialRequest();
    std::optional<Reply> InfoOrProgram(bool lineQuiet);
    Reply Handshake();
    std::optional<Reply> NextInTestMode(bool lineQuiet);
    Reply Answer(Step step, std::vector<std::uint8_t> bytes);
    // The received bytes begin with all of `text`.
    bool StartsWith(const std::string& text) const;
    // The received bytes are a beginning of `text`, not yet all of it.
    bool IsStartOf(const std::string& text) const;
    void Consume(std::size_t count);
    void TakeOn(const RadioProfile& profile);

    RadioIdentity identity_;
    unsigned rate_;
    ImageBytes memory_;
    RadioSerial serial_;
    RadioVersion version_;
    FaultPlan faults_;
    TestModeRadio testMode_{identity_, memory_};
    std::deque<std::uint8_t> pending_;
    bool programming_ = false;
    bool waitingForMore_ = false;
    std::optional<Step> confirmStep_; // the answer to the program's ACK, when one is due
    std::deque<RadioProfile> following_;
    std::vector<ImageBytes> takenOff_;
    bool serialTold_ = false;
};

} // namespace qtr::sim
