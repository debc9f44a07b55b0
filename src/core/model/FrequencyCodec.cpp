#include "core/model/FrequencyCodec.h"

#include "core/base/MessageCatalog.h"
#include "core/base/messages/Common.h"
#include "core/model/ChannelFields.h"
#include "core/model/FieldRoutines.h"
#include "core/model/ParlaneLists.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qtr {

namespace {

constexpr std::uint16_t kDqtBit = 0x2000;
constexpr std::uint16_t kInvertedBit = 0x8000;
constexpr int kLowestQt = 670;
constexpr int kHighestQt = 2541;

struct StepChoice {
    long long hertz;
    unsigned code;
};

constexpr StepChoice kSteps[] = {{6250, step::k6250Hz}, {5000, step::k5000Hz}, {2500, step::k2500Hz}};

bool Divides(long long hertz, long long stepHz)
{
    const double quotient = static_cast<double>(hertz) / static_cast<double>(stepHz);
    return quotient == std::floor(quotient);
}

StepChoice SnapToStep(long long hertz, int bandFlag)
{
    for (const auto& choice : kSteps) {
        if (choice.code == step::k2500Hz && bandFlag != 0)
            continue;
        if (Divides(hertz, choice.hertz))
            return {hertz, choice.code};
    }
    const long long grid = bandFlag == 0 ? 5000 : 6250;
    return {(hertz / grid) * grid, bandFlag == 0 ? step::k5000Hz : step::k6250Hz};
}

std::uint8_t Nibble(char digit)
{
    return digit == ' ' ? 0 : static_cast<std::uint8_t>((digit - '0') & 0x0F);
}

// The first eight characters as BCD digits, most significant first; a blank is 0.
FrequencyField PackDigits(const char* digits)
{
    FrequencyField field{};
    for (int pair = 0; pair < 4; ++pair) {
        const char high = digits[2 * pair];
        const char low = digits[2 * pair + 1];
        field[static_cast<std::size_t>(3 - pair)] = static_cast<std::uint8_t>((Nibble(high) << 4) | Nibble(low));
    }
    return field;
}

// Right-aligned in at least eight characters; of a nine-digit value the 1 Hz digit drops off.
FrequencyField EncodeHertz(long long hertz)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%8lld", hertz);
    return PackDigits(digits);
}

char DigitChar(unsigned nibble)
{
    return static_cast<char>('0' + nibble);
}

// Forces a DQT code digit into the octal range; a missing digit becomes '0'.
char OctalDigit(const std::string& text, std::size_t index)
{
    if (index >= text.size() || text[index] < '0')
        return '0';
    return text[index] > '7' ? '7' : text[index];
}

} // namespace

FrequencyCodec::FrequencyCodec(RadioState& state, const MessageCatalog& catalog)
    : state_(state), catalog_(catalog)
{
}

void FrequencyCodec::SetBand()
{
    state_.UpdateBand();
}

std::string FrequencyCodec::FormatFrequency(const std::uint8_t* field)
{
    bool allFF = true;
    bool allZero = true;
    for (int i = 0; i < 4; ++i) {
        allFF = allFF && field[i] == 0xFF;
        allZero = allZero && field[i] == 0x00;
    }
    if (allFF || allZero)
        return {};
    std::string text;
    text += DigitChar(field[3] >> 4);
    text += DigitChar(field[3] & 0x0F);
    text += DigitChar(field[2] >> 4);
    text += '.';
    text += DigitChar(field[2] & 0x0F);
    for (int i = 1; i >= 0; --i) {
        text += DigitChar(field[i] >> 4);
        text += DigitChar(field[i] & 0x0F);
    }
    return text;
}

int FrequencyCodec::CheckBand(std::string& text) const
{
    if (text.empty())
        return 1;
    const Band& band = state_.band;
    const bool vhf = band.flag == 0;
    const double snapHigh = vhf ? 280.0 : 550.0;
    const double snapLow = vhf ? 100.0 : 327.0;
    double value = LeadingDecimal(text);
    int inBand = 0;
    if (value > snapHigh)
        value = band.upper;
    else if (value < snapLow)
        value = band.lower;
    else
        inBand = band.lower <= value && value <= band.upper ? 1 : 0;
    text = FormatFixed(value, 5);
    return inBand;
}

std::optional<ParsedFrequency> FrequencyCodec::ParseFrequency(const std::string& text, int bandFlag)
{
    if (text.empty())
        return std::nullopt;
    const double megahertz = LeadingDecimal(text);
    // Only values that fit the eight packed digits can be stored; CheckBand keeps user
    // input inside 100 to 999.99999 MHz, so this refuses only damaged text.
    if (!(megahertz > 0.0) || megahertz >= 1000.0)
        return std::nullopt;
    const auto hertz = static_cast<long long>(megahertz * kHertzPerMegahertz + 0.5);
    if (hertz == 0)
        return std::nullopt;
    const StepChoice choice = SnapToStep(hertz, bandFlag);
    return ParsedFrequency{EncodeHertz(choice.hertz), choice.code};
}

FrequencyField FrequencyCodec::PackTenHertzUnits(long long units)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%08lld", units);
    return PackDigits(digits);
}

std::string FrequencyCodec::OffText() const
{
    return catalog_.MessageText(messages::common::kOff);
}

std::string FrequencyCodec::LmrOffText() const
{
    return catalog_.MessageText(messages::common::kNone);
}

std::string FrequencyCodec::FormatTone(std::uint16_t word, std::uint8_t lineLetter) const
{
    if (word == kToneOff) {
        if (lineLetter == 'B')
            return OffText();
        return lineLetter == 'L' ? LmrOffText() : std::string();
    }
    if (word & kDqtBit) {
        std::string text = "D";
        text += DigitChar((word >> 6) & 7);
        text += DigitChar((word >> 3) & 7);
        text += DigitChar(word & 7);
        text += (word & kInvertedBit) ? 'I' : 'N';
        return text;
    }
    return FormatFixed(word / 10.0, 1);
}

void FrequencyCodec::NormaliseToneText(std::string& text)
{
    if (text.empty())
        return;
    if (text[0] == 'D') {
        std::string code = "D";
        for (std::size_t i = 1; i <= 3; ++i)
            code += OctalDigit(text, i);
        code += text.size() > 4 && text[4] == 'I' ? 'I' : 'N';
        text = code;
        return;
    }
    const std::size_t point = text.find('.');
    // Any whole part beyond the range clamps the same way; bounding it first keeps the
    // multiplication from overflowing.
    const long long whole = std::clamp(LeadingInteger(text.substr(0, point)), -10000LL, 10000LL);
    long long tenths = 10 * whole;
    if (point != std::string::npos && point + 1 < text.size())
        tenths += LeadingInteger(text.substr(point + 1, 1));
    if (tenths < kLowestQt)
        tenths = kLowestQt;
    if (tenths > kHighestQt)
        tenths = kHighestQt;
    text = FormatFixed(static_cast<double>(tenths) / 10.0, 1);
}

std::uint16_t FrequencyCodec::ParseTone(std::string text) const
{
    if (text == OffText() || text == LmrOffText())
        text.clear();
    NormaliseToneText(text);
    if (text.empty())
        return kToneOff;
    if (text[0] == 'D') {
        unsigned word = 0x0800;
        word += (static_cast<unsigned>(text[1]) & 7) * 64;
        word += (static_cast<unsigned>(text[2]) & 7) * 8;
        word += static_cast<unsigned>(text[3]) & 7;
        word += text[4] == 'I' ? 0xA000 : 0x2000;
        return static_cast<std::uint16_t>(word);
    }
    return static_cast<std::uint16_t>(LeadingDecimal(text) * 10.0 + 0.5);
}

std::string FrequencyCodec::ToneText(int entry) const
{
    return entry == 0 ? OffText() : tones_.At(entry);
}

int FrequencyCodec::ToneIndexOf(const std::string& text) const
{
    if (text == OffText())
        return 0;
    return tones_.PositionOf(text);
}

void FrequencyCodec::DecorateToneText(std::string& text) const
{
    int number = ToneIndexOf(text);
    if (number <= 0)
        return;
    if (number >= ToneList::kFirstNormalDqt)
        number -= ToneList::kQtCount;
    if (number <= 83)
        text = NumberedEntry(number, text);
}

ToneListContents FrequencyCodec::FillToneList(std::uint8_t lineLetter)
{
    OrderToneList(lineLetter);
    ToneListContents list;
    if (lineLetter == 'B') {
        list.entries.push_back(OffText());
        for (int position = 1; position <= ToneList::kCount; ++position) {
            const int number = ToneList::ToneNumber(position);
            list.entries.push_back(number > 0 ? NumberedEntry(number, tones_.At(position)) : tones_.At(position));
        }
    } else if (lineLetter == 'L') {
        list.entries.push_back(LmrOffText());
        for (int position = 1; position <= ToneList::kCount; ++position)
            list.entries.push_back(tones_.At(position));
        list.editable = true;
        list.maxTypedCharacters = 5;
    }
    return list;
}

int FrequencyCodec::DecorateFrequencyText(std::string& text) const
{
    const std::string off = OffText();
    if (text.empty() || text == off) {
        text = "(0) " + off;
        return 0;
    }
    const auto* list = ParlaneFrequenciesFor(static_cast<std::uint8_t>(state_.Get(identity::kTypeByte)));
    if (list == nullptr)
        return -1;
    for (std::size_t i = 0; i < list->size(); ++i) {
        if ((*list)[i] == text) {
            const int number = static_cast<int>(i) + 1;
            text = NumberedEntry(number, text);
            return number;
        }
    }
    return -1;
}

void FrequencyCodec::RecomputeStepCodes()
{
    namespace record = channels::record;
    ImageView view = state_.View();
    const int flag = state_.band.flag;
    auto codeOf = [&](const ImageRange& field) {
        const auto parsed = ParseFrequency(FormatFrequency(view.Data(field)), flag);
        return parsed ? parsed->stepCode : step::kNone;
    };
    for (int slot = 0; slot < state_.SlotCount(); ++slot) {
        const std::size_t base = channels::RecordOf(slot).offset;
        if (view.Get(record::kReceiveFrequency.At(base).ByteOf(0)) == channels::kUnset)
            continue;
        const unsigned receive = codeOf(record::kReceiveFrequency.At(base));
        const unsigned transmit = codeOf(record::kTransmitFrequency.At(base));
        if (view.Get(record::kReceiveStep.At(base)) != receive)
            view.Set(record::kReceiveStep.At(base), receive);
        if (view.Get(record::kTransmitStep.At(base)) != transmit)
            view.Set(record::kTransmitStep.At(base), transmit);
    }
}

} // namespace qtr
