#pragma once

#include "core/link/LinkState.h"
#include "core/link/LinkTiming.h"
#include "core/link/SerialPort.h"
#include "core/link/StopRequest.h"
#include "core/link/WireBytes.h"
#include "core/model/ModelTable.h"

#include <array>
#include <cstdint>

namespace qtr {

using RadioIdentity = ModelRecord;
using RadioSerial = std::array<std::uint8_t, wire::kSerialDataSize>;
using RadioVersion = std::array<std::uint8_t, wire::kInfoSize>;

// The radio's command primitives over a serial port; the program has one link, shared by
// every radio operation.
class RadioLink {
public:
    explicit RadioLink(const LinkTiming& timing = LinkTiming{}) : timing_(timing) {}
    // A fleet's links are owned as RadioLinks, some with a port given by its device path.
    virtual ~RadioLink() = default;
    RadioLink(const RadioLink&) = delete;
    RadioLink& operator=(const RadioLink&) = delete;

    SerialPort& Port() { return port_; }
    const SerialPort& Port() const { return port_; }

    LinkState& State() { return state_; }
    const LinkState& State() const { return state_; }
    const LinkTiming& Timing() const { return timing_; }
    // The request that stops radio operations at their next safe point; none by default.
    void UseStopRequest(const StopRequest* stop) { stop_ = stop; }
    bool StopRequested() const { return stop_ != nullptr && stop_->Raised(); }
    // The rate of the current settings text (9600 when it names none).
    unsigned LineRate() const;

    // "PROGRAM" at each rate until the radio acknowledges; keeps the rate found.
    LinkResult Handshake();
    LinkResult Identify(RadioIdentity& identity);
    LinkResult ReadInfo(RadioVersion& version);
    LinkResult ReadSerial(RadioSerial& data);
    LinkResult EndProgramming();

    // The building blocks of the commands.
    LinkResult SendExpectingAck(const std::uint8_t* bytes, std::uint16_t count);
    LinkResult ExpectAck();
    // The data, our ACK, and the radio's confirmation (also NAK when `nakConfirms`).
    LinkResult ReceiveData(std::uint8_t* buffer, std::uint16_t count, bool nakConfirms);

    // Polls the receive queue until it holds exactly `count` bytes; sets DataReady or TimedOut.
    bool WaitForBytes(int count);
    // One byte within the same window: ACK, or NAK while AcceptNak is set.
    bool WaitConfirmation();

private:
    bool AnswerAt(std::size_t rateIndex);
    bool ReadByteWithin(std::uint32_t milliseconds, std::uint8_t& byte);
    std::uint32_t WireTimeMs(int bytes) const;
    void PauseBeforeNextPoll(int waiting, int count, std::uint32_t leftMs) const;

    SerialPort port_;
    LinkState state_;
    LinkTiming timing_;
    const StopRequest* stop_ = nullptr;
};

} // namespace qtr
