#include "core/features/OptionalFeaturesRules.h"

#include "core/base/messages/Common.h"
#include "core/model/ChannelFields.h"
#include "core/model/IdentityFields.h"
#include "core/model/RadioState.h"

#include <algorithm>
#include <filesystem>

namespace qtr::features {

namespace {

constexpr std::uint8_t kUnusedPttCodeByte = 0xFF;
constexpr unsigned kPttIdOff = 0;
constexpr unsigned kPttIdUnset = 0xF;
constexpr unsigned kPttIdOn = 1;
constexpr int kAlwaysNormalised = 8;

} // namespace

unsigned TimeOutUnits(long long seconds)
{
    const long long limited = std::clamp<long long>(seconds, kSecondsPerTimeOutUnit,
                                                    kLongestTimeOut * kSecondsPerTimeOutUnit);
    return static_cast<unsigned>((limited + kSecondsPerTimeOutUnit - 1) / kSecondsPerTimeOutUnit);
}

form::FieldText TimeOutText(unsigned units)
{
    if (units < 1 || units > kLongestTimeOut)
        return {};
    return form::FieldText::Plain(std::to_string(units * kSecondsPerTimeOutUnit));
}

unsigned OffOrNumber(long long typed)
{
    return static_cast<unsigned>(std::clamp<long long>(typed, 0, kHighestOffOrNumber));
}

form::FieldText OffOrNumberText(unsigned stored)
{
    if (stored == 0)
        return form::FieldText::Message(messages::common::kOff);
    return NumberText(stored, kHighestOffOrNumber);
}

form::FieldText NumberText(unsigned stored, unsigned highest)
{
    return stored <= highest ? form::FieldText::Plain(std::to_string(stored)) : form::FieldText{};
}

unsigned CallingLevelValue(long long typedLevel)
{
    return static_cast<unsigned>(std::clamp<long long>(typedLevel, 1, kHighestCallingLevel) - 1);
}

form::FieldText CallingLevelText(unsigned stored)
{
    return stored < kHighestCallingLevel ? form::FieldText::Plain(std::to_string(stored + 1)) : form::FieldText{};
}

std::string PttCodeText(const ImageReader& image, const ImageRange& code)
{
    std::string text;
    for (std::size_t i = 0; i < code.length; ++i) {
        const auto byte = static_cast<std::uint8_t>(image.Get(code.ByteOf(i)));
        if (byte == kUnusedPttCodeByte || byte == 0)
            return text;
        // Only printable characters reach the field; the radio knows no others.
        if (byte >= 0x20 && byte < 0x7F)
            text.push_back(static_cast<char>(byte));
    }
    // A code that fills every byte loses its trailing blanks.
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void StorePttCode(ImageView image, const ImageRange& code, const std::string& text)
{
    image.SetText(code, FilterTypedText(InputClass::DtmfCharacters, text, "", code.length), kUnusedPttCodeByte);
}

int PttIdNormalisedRecords(const RadioState& state)
{
    return std::max(kAlwaysNormalised, state.ChannelCountCode() == identity::kFifteenOrSixteenChannels ? state.SlotCount() : 0);
}

bool NormaliseChannelPttIds(RadioState& state)
{
    bool changed = false;
    for (int slot = 0; slot < PttIdNormalisedRecords(state); ++slot) {
        const ImageField pttId = channels::record::kPttId.At(channels::RecordOf(slot).offset);
        const unsigned value = state.Get(pttId);
        if (value != kPttIdOff && value != kPttIdUnset && value != kPttIdOn) {
            state.Set(pttId, kPttIdOn);
            changed = true;
        }
    }
    return changed;
}

std::string CallToneFileName(const std::string& programFolder, const std::string& levelText)
{
    return (std::filesystem::path(programFolder) / ("Call Tone " + levelText + ".wav")).string();
}

} // namespace qtr::features
