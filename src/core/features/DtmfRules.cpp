#include "core/features/DtmfRules.h"

#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/features/OptionalFeaturesRules.h"
#include "core/model/DtmfFields.h"
#include "core/model/InputFilter.h"

#include <algorithm>
#include <array>

namespace qtr::features {

namespace {

constexpr std::uint8_t kUnusedCodeByte = 0xFF;
constexpr char kAutodialPadding = ' ';
constexpr std::array<unsigned, 4> kDigitsPerSecond{6, 8, 10, 15};
constexpr std::array<unsigned, 4> kDigitTimes{0, 100, 500, 1000};
constexpr unsigned kMillisecondsPerDelayUnit = 10;
constexpr unsigned kDelayStep = 50;
constexpr unsigned kShortestDelay = 100;
constexpr unsigned kLongestDelay = 1000;
constexpr unsigned kHighestDCode = 16;
constexpr unsigned kLongestAutoReset = 15;
constexpr unsigned kAutoResetShownForOdd = 10;
constexpr unsigned kStunTypeRxInhibit = 1;

// The highest code whose table value the typed number reaches; below the first, code 0.
template <std::size_t N>
unsigned CodeReached(const std::array<unsigned, N>& values, long long typed)
{
    unsigned code = 0;
    for (unsigned i = 0; i < N; ++i)
        if (typed >= static_cast<long long>(values[i]))
            code = i;
    return code;
}

template <std::size_t N>
form::FieldText TableText(const std::array<unsigned, N>& values, unsigned code)
{
    return form::FieldText::Plain(std::to_string(code < N ? values[code] : values[0]));
}

std::string FilteredCode(InputClass inputClass, const std::string& text, std::size_t length)
{
    return FilterTypedText(inputClass, text, "", length);
}

} // namespace

unsigned DtmfSpeedCode(long long digitsPerSecond)
{
    return CodeReached(kDigitsPerSecond, digitsPerSecond);
}

form::FieldText DtmfSpeedText(unsigned code)
{
    return TableText(kDigitsPerSecond, code);
}

unsigned DigitTimeCode(long long milliseconds)
{
    return CodeReached(kDigitTimes, milliseconds);
}

form::FieldText DigitTimeText(unsigned code)
{
    return TableText(kDigitTimes, code);
}

unsigned FirstDigitDelayUnits(long long milliseconds)
{
    const long long limited = std::clamp<long long>(milliseconds, kShortestDelay, kLongestDelay);
    return static_cast<unsigned>(limited / kDelayStep * kDelayStep / kMillisecondsPerDelayUnit);
}

form::FieldText FirstDigitDelayText(unsigned units)
{
    const unsigned milliseconds = units * kMillisecondsPerDelayUnit;
    const bool valid = milliseconds >= kShortestDelay && milliseconds <= kLongestDelay && milliseconds % kDelayStep == 0;
    return form::FieldText::Plain(std::to_string(valid ? milliseconds : kShortestDelay));
}

unsigned DCodeValue(long long typed)
{
    return typed >= 1 && typed <= kHighestDCode ? static_cast<unsigned>(typed) : 0;
}

form::FieldText DCodeText(unsigned stored)
{
    if (stored < 1 || stored > kHighestDCode)
        return form::FieldText::Message(messages::dtmf::kDCodeDigit);
    return form::FieldText::Plain(std::to_string(stored) + "s");
}

unsigned AutoResetSeconds(long long typed)
{
    return static_cast<unsigned>(std::clamp<long long>(typed, 0, kLongestAutoReset));
}

form::FieldText AutoResetText(unsigned stored)
{
    if (stored == 0)
        return form::FieldText::Message(messages::common::kOff);
    return form::FieldText::Plain(std::to_string(stored <= kLongestAutoReset ? stored : kAutoResetShownForOdd));
}

bool StoreIdCode(ImageView image, const std::string& text)
{
    const std::string code = FilteredCode(InputClass::Digits, text, dtmf::kIdCode.length);
    if (code.size() < kShortestCode)
        return false;
    image.SetText(dtmf::kIdCode, code, kUnusedCodeByte);
    return true;
}

bool StoreStunCode(ImageView image, const std::string& text)
{
    const std::string code = FilteredCode(InputClass::DtmfCharacters, text, dtmf::kStunCode.length);
    if (!code.empty() && code.size() < kShortestCode)
        return false;
    image.SetText(dtmf::kStunCode, code, kUnusedCodeByte);
    return true;
}

bool HasStunCode(const ImageReader& image)
{
    return !PttCodeText(image, dtmf::kStunCode).empty();
}

unsigned ShownStunType(unsigned stored)
{
    return stored == kStunTypeRxInhibit ? kStunTypeRxInhibit : 0;
}

void StoreAutodialEntry(ImageView image, std::size_t index, const std::string& text)
{
    const std::string code = FilteredCode(InputClass::DtmfCharacters, text, dtmf::kAutodialEntrySize);
    if (code.empty())
        image.Fill(dtmf::AutodialEntry(index), kUnusedCodeByte);
    else
        image.SetText(dtmf::AutodialEntry(index), code, kAutodialPadding);
}

std::string AutodialEntryText(const ImageReader& image, std::size_t index)
{
    return PttCodeText(image, dtmf::AutodialEntry(index));
}

} // namespace qtr::features
