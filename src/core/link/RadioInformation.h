#pragma once

#include "core/base/CommonMessages.h"
#include "core/link/RadioLink.h"

#include <string>

namespace qtr {

class MessageCatalog;

// What a connected radio says about itself, and the texts the Radio Information
// dialog shows for it.
class RadioInformation {
public:
    static constexpr int kTitleId = 3002121;
    static constexpr int kModelLabelId = 3005023;
    static constexpr int kFrequencyLabelId = 3005027;
    static constexpr int kSerialNumberLabelId = 3019001;
    static constexpr int kVersionLabelId = 1005004;
    static constexpr int kCloseButtonTextId = msg::kClose;
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
