#include "core/link/LinkTexts.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Link.h"
#include "core/link/LinkStep.h"
#include "core/link/PortProbe.h"
#include "core/link/SerialPort.h"

namespace qtr {

std::string PortNameText(unsigned port, const MessageCatalog& catalog)
{
    const std::string label = catalog.MessageText(PortLabelId(port), 1);
    return label.empty() ? "COM" + std::to_string(port) : label;
}

std::string PortDescription(const SerialPort& link, const MessageCatalog& catalog)
{
    const std::string name = PortNameText(link.Port(), catalog);
    return link.IsSimulated(link.Port()) ? name + " " + catalog.MessageText(kSimulatedRadioTextId, 1) : name;
}

std::string TransferInstructions(const SerialPort& link, const MessageCatalog& catalog)
{
    if (link.IsSimulated(link.Port()))
        return WithText(catalog.MessageText(messages::link::kSimulatorGuidance, 1), PortNameText(link.Port(), catalog));
    const std::string port = PortNameText(link.Port(), catalog) + " (" + link.DeviceName() + ")";
    return WithText(catalog.MessageText(messages::link::kCableGuidance, 1), port);
}

} // namespace qtr
