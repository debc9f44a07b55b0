#include "core/link/RadioInformation.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Model.h"

#include <algorithm>
#include <cctype>

namespace qtr {

namespace {

constexpr std::size_t kSerialFirstPart = 12;
constexpr std::size_t kSerialTextLength = 16;
constexpr std::size_t kSerialTailLength = 12;
constexpr std::size_t kVersionLength = 6;

struct FrequencyRow {
    std::uint8_t typeByte;
    int bandLabelId;
    int channelLabelId;
};

constexpr FrequencyRow kFrequencyRows[] = {
    {typebyte::kVhfTwoChannels, messages::model::kVhf, messages::model::kTwoChannels},
    {typebyte::kVhfEightChannels, messages::model::kVhf, messages::model::kEightChannels},
    {typebyte::kUhfTwoChannels, messages::model::kUhf, messages::model::kTwoChannels},
    {typebyte::kUhfEightChannels, messages::model::kUhf, messages::model::kEightChannels},
    {typebyte::kUhfFifteenOrSixteenChannels, messages::model::kUhf, messages::model::kFifteenOrSixteenChannels},
};

// Characters of a text field up to its first unset (0xFF) or terminating byte.
std::string TextUpToEnd(const std::uint8_t* first, std::size_t length)
{
    const std::uint8_t* end = std::find_if(first, first + length, [](std::uint8_t c) { return c == 0xFF || c == 0; });
    return std::string(first, end);
}

bool IsPrintableUpToEnd(const std::uint8_t* first, std::size_t length)
{
    const std::string text = TextUpToEnd(first, length);
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string WithBlankIfAny(const std::string& text)
{
    return text.empty() ? text : text + " ";
}

} // namespace

std::string RadioInformation::ModelCode() const
{
    std::string code(identity_.begin(), identity_.begin() + identity::kCodeLength);
    std::erase(code, 'P');
    return code;
}

std::string RadioInformation::ModelText() const
{
    const bool vhf = TypeByte() == typebyte::kVhfTwoChannels || TypeByte() == typebyte::kVhfEightChannels;
    const bool lVariant = OptionBits() == kLVariantOptionBits;
    if (!vhf && !lVariant && OptionBits() != kStandardOptionBits)
        return "  RB- " + ModelCode();
    const std::size_t index = (IsParlane() ? 4U : 0U) + (vhf ? 0U : 2U) + (lVariant ? 1U : 0U);
    return std::string("  ") + ModelTable()[index].printedName;
}

std::string RadioInformation::FrequencyText(const MessageCatalog& catalog) const
{
    const auto row = std::find_if(std::begin(kFrequencyRows), std::end(kFrequencyRows),
                                  [&](const FrequencyRow& entry) { return entry.typeByte == TypeByte(); });
    if (row == std::end(kFrequencyRows))
        return "   ";
    const bool vhf = row->bandLabelId == messages::model::kVhf;
    const char* range = vhf ? (IsParlane() ? "151-159 MHz" : "150-174 MHz") : (IsParlane() ? "461-470 MHz" : "450-470 MHz");
    return "  " + catalog.MessageText(row->bandLabelId) + " : " + range + " (" +
           catalog.MessageText(row->channelLabelId) + ")";
}

std::string RadioInformation::SerialTail() const
{
    std::string tail;
    for (std::size_t i = kSerialTextLength; i < kSerialTextLength + kSerialTailLength; ++i) {
        const std::uint8_t c = serial_[i];
        if (c == 0xFF)
            continue;
        tail += std::isalnum(c) || c == '-' ? static_cast<char>(c) : ' ';
    }
    return tail;
}

std::string RadioInformation::SerialNumberText() const
{
    const std::string first = TextUpToEnd(serial_.data(), kSerialFirstPart);
    const std::string second = TextUpToEnd(serial_.data() + kSerialFirstPart, kSerialTextLength - kSerialFirstPart);
    return " " + WithBlankIfAny(first) + WithBlankIfAny(second) + SerialTail();
}

bool RadioInformation::SerialIsText(const RadioSerial& serial)
{
    return IsPrintableUpToEnd(serial.data(), kSerialFirstPart) &&
           IsPrintableUpToEnd(serial.data() + kSerialFirstPart, kSerialTextLength - kSerialFirstPart);
}

bool RadioInformation::VersionIsText(const RadioVersion& version)
{
    return IsPrintableUpToEnd(version.data(), kVersionLength);
}

std::string RadioInformation::VersionText() const
{
    std::string version = TextUpToEnd(version_.data(), kVersionLength);
    if (OptionBits() == kLVariantOptionBits)
        version = "L" + version.substr(std::min(version.find_first_not_of('V'), version.size()));
    return " " + version;
}

} // namespace qtr
