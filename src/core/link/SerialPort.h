#pragma once

#include "core/link/LinkResult.h"
#include "core/link/PortDirectory.h"
#include "core/link/PortFailure.h"

#include <cstdint>
#include <string>

namespace qtr {

class SettingsStore;

// One serial port of the system with the few blocking byte operations the radio
// protocol is built on. The port opens at the start of a radio operation and closes at its end.
class SerialPort {
public:
    static constexpr char kDefaultSettings[] = "9600,N,8,2";
    static constexpr std::uint32_t kDefaultReadTimeoutMs = 1000;
    static constexpr std::uint16_t kDefaultQueueSize = 512;

    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Where the device of a port number is looked up (Ports/COMn); null uses the default names.
    // A nonzero `simulatedPort` is the port on which a simulated radio answers.
    void UseDeviceSettings(const SettingsStore* store, unsigned simulatedPort = 0)
    {
        directory_ = PortDirectory(store);
        simulatedPort_ = simulatedPort;
    }
    std::string DeviceName() const { return directory_.DeviceFor(port_); }
    std::string DeviceName(unsigned port) const { return directory_.DeviceFor(port); }
    bool IsSimulated(unsigned port) const { return simulatedPort_ != 0 && port == simulatedPort_; }

    // 0 keeps the number; an open port is closed and opened again.
    LinkResult SetPort(std::uint8_t port);
    std::uint8_t Port() const { return port_; }
    // An open attempt counts the port as open even when it fails; the caller closes it.
    LinkResult SetOpen(int wanted);
    bool IsOpen() const { return open_; }
    // Why the last open failed; no problem after an open that succeeded.
    const PortFailure& OpenFailure() const { return openFailure_; }
    // How to get access, for the user; empty unless the system refused access.
    std::string OpenFailureHint() const { return PermissionHint(openFailure_); }

    LinkResult SetSettings(const std::string& text);
    std::string Settings() const { return settings_; }
    // The whole time a read may take, from its start.
    LinkResult SetReadTimeout(std::uint32_t milliseconds);
    std::uint32_t ReadTimeout() const { return readTimeoutMs_; }
    // The system sizes its own queues; the sizes are kept for whoever asks.
    LinkResult SetInputQueueSize(std::uint16_t size);
    LinkResult SetOutputQueueSize(std::uint16_t size);
    std::uint16_t InputQueueSize() const { return inputQueueSize_; }
    std::uint16_t OutputQueueSize() const { return outputQueueSize_; }

    // Writing first discards whatever was received and not yet read.
    LinkResult WriteBytes(const std::uint8_t* bytes, std::uint16_t count);
    LinkResult WriteText(const std::string& text);
    LinkResult WriteByte(std::uint8_t byte);
    // Succeeds only when all `count` bytes arrived within the read time-out.
    LinkResult ReadBytes(std::uint8_t* buffer, std::uint16_t count);
    LinkResult PurgeReceive();
    // Bytes in the receive queue; -1 without a handle.
    int BytesWaiting() const;
    // Waits until a byte can be read or the time is up; true when one can.
    bool WaitForInput(std::uint32_t milliseconds) const;
    static void DelayMs(std::uint32_t milliseconds);
    // A terminal device that takes the line settings.
    bool IsRs232();

private:
    LinkResult Open();
    LinkResult Close();
    bool ApplySettings();
    bool ApplyTimeouts() const;
    bool ApplyQueueSizes() const;
    bool SetModemLine(unsigned long request, int line) const;
    std::uint16_t ReadUntilDeadline(std::uint8_t* buffer, std::uint16_t count) const;
    bool Configure();
    LinkResult RefuseOpen(const std::string& device, int error);

    PortDirectory directory_;
    int handle_ = -1;
    bool open_ = false;
    std::uint32_t readTimeoutMs_ = kDefaultReadTimeoutMs;
    std::string settings_ = kDefaultSettings;
    std::uint16_t outputQueueSize_ = kDefaultQueueSize;
    std::uint16_t inputQueueSize_ = kDefaultQueueSize;
    std::uint8_t port_ = 1;
    unsigned simulatedPort_ = 0;
    PortFailure openFailure_;
};

} // namespace qtr
