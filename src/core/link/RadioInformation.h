#pragma once

#include "core/base/messages/Link.h"
#include "core/base/messages/Model.h"
#include "core/link/RadioLink.h"

#include <string>

namespace qtr {

class MessageCatalog;

// What a connected radio says about itself, and the texts the Radio Information
// dialog shows for it.
class RadioInformation {
public:
    static constexpr int kModelLabelId = messages::model::kModelType;
    static constexpr int kFrequencyLabelId = messages::model::kFrequencyLabel;
    static constexpr int kSerialNumberLabelId = messages::link::kSerialNumber;
    static constexpr int kVersionLabelId = messages::link::kVersion;
    static constexpr int kHelpTopic = 143;

    RadioInformation(const RadioIdentity& identity, const RadioSerial& serial, const RadioVersion& version)
        : identity_(identity), serial_(serial), version_(version)
    {
    }

    const RadioIdentity& Identity() const { return identity_; }
    // The model code as shown: without its 'P' characters.
    std::string ModelCode() const;

    std::string ModelText() const;
    std::string FrequencyText(const MessageCatalog& catalog) const;
    // Serial number and version are shown in the fixed-pitch font.
    std::string SerialNumberText() const;
    std::string VersionText() const;

    // A radio sends its serial text and version in printable ASCII up to the unset byte
    // that ends them; anything else is a garbled reply.
    static bool SerialIsText(const RadioSerial& serial);
    static bool VersionIsText(const RadioVersion& version);

private:
    std::uint8_t TypeByte() const { return identity_[identity::kRecordType]; }
    bool IsParlane() const { return identity_[identity::kRecordLine] == kParlaneLine; }
    unsigned OptionBits() const { return identity_[identity::kRecordOption] & 0x07U; }
    std::string SerialTail() const;

    RadioIdentity identity_;
    RadioSerial serial_;
    RadioVersion version_;
};

} // namespace qtr
