#pragma once

#include "core/model/RadioState.h"
#include "core/model/ToneList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

using FrequencyField = std::array<std::uint8_t, 4>;

// The tone word of a tone that is off.
constexpr std::uint16_t kToneOff = 0xFFFF;

constexpr long long kHertzPerMegahertz = 1000000;

// Channel step codes stored beside each channel frequency.
namespace step {
constexpr unsigned k2500Hz = 0;
constexpr unsigned k5000Hz = 1;
constexpr unsigned k6250Hz = 2;
constexpr unsigned kNone = 3;
} // namespace step

struct ParsedFrequency {
    FrequencyField field{};
    unsigned stepCode = step::kNone;
};

// What a tone list control holds after FillToneList.
struct ToneListContents {
    std::vector<std::string> entries;
    bool editable = false; // LMR lists let the user type a tone or code
    int maxTypedCharacters = 0;
};

// Text conversions of frequencies and tones, bound to one radio state (for the band
// of the current model) and one catalogue (for the off texts).
class FrequencyCodec {
public:

    FrequencyCodec(RadioState& state, const MessageCatalog& catalog);

    void SetBand();

    static std::string FormatFrequency(const std::uint8_t* field);
    int CheckBand(std::string& text) const;
    static std::optional<ParsedFrequency> ParseFrequency(const std::string& text, int bandFlag);
    // Eight packed-decimal digits of a frequency in 10 Hz units.
    static FrequencyField PackTenHertzUnits(long long units);

    std::string FormatTone(std::uint16_t word, std::uint8_t lineLetter) const;
    static void NormaliseToneText(std::string& text);
    std::uint16_t ParseTone(std::string text) const;

    std::string ToneText(int entry) const;
    int ToneIndexOf(const std::string& text) const;
    void DecorateToneText(std::string& text) const;
    void OrderToneList(std::uint8_t lineLetter) { tones_.Order(lineLetter); }
    ToneListContents FillToneList(std::uint8_t lineLetter);
    int DecorateFrequencyText(std::string& text) const;
    void RecomputeStepCodes();

    std::string OffText() const;
    std::string LmrOffText() const;
    const ToneList& Tones() const { return tones_; }
    RadioState& State() const { return state_; }

private:
    RadioState& state_;
    const MessageCatalog& catalog_;
    ToneList tones_;
};

} // namespace qtr
