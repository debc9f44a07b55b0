#pragma once

#include "core/base/messages/Link.h"

#include <string>

namespace qtr {

class MessageCatalog;
class SerialPort;

// "(simulated radio)"
inline constexpr int kSimulatedRadioTextId = messages::link::kSimulatedRadio;

// "COM3", the port's label in the language file.
std::string PortNameText(unsigned port, const MessageCatalog& catalog);
// "COM1 (simulated radio)" for the port on which a simulated radio answers, else the name.
std::string PortDescription(const SerialPort& link, const MessageCatalog& catalog);
// What the user does before a transfer: connect the cable to the port and turn the radio
// on in its programming state; nothing of the kind with a simulated radio.
std::string TransferInstructions(const SerialPort& link, const MessageCatalog& catalog);

} // namespace qtr
