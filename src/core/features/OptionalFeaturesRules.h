#pragma once

#include "core/features/FormRow.h"
#include "core/model/ImageView.h"

#include <string>

namespace qtr {

class RadioState;

namespace features {

constexpr int kSecondsPerTimeOutUnit = 15;
constexpr unsigned kLongestTimeOut = 40; // 600 s
constexpr unsigned kHighestOffOrNumber = 10;
constexpr unsigned kHighestCallingLevel = 10;

// Time-out timer: typed seconds rounded up to whole 15 s, 15 s to 600 s, as stored units.
unsigned TimeOutUnits(long long seconds);
form::FieldText TimeOutText(unsigned units);
// Fields where 0 is off (TOT pre-alert, VOX gain level): typed number limited to 0..10.
unsigned OffOrNumber(long long typed);
form::FieldText OffOrNumberText(unsigned stored);
// A plain number up to `highest`; anything beyond shows nothing.
form::FieldText NumberText(unsigned stored, unsigned highest);
// Calling alert level: level 1..10 typed, stored one lower.
unsigned CallingLevelValue(long long typedLevel);
form::FieldText CallingLevelText(unsigned stored);

// PTT ID codes: left-aligned DTMF characters, unused bytes 0xFF.
std::string PttCodeText(const ImageReader& image, const ImageRange& code);
// Stores the DTMF characters of `text` (lower-case "a"-"d" as upper case, others dropped).
void StorePttCode(ImageView image, const ImageRange& code, const std::string& text);

// After the PTT ID type changed, a channel PTT ID that the new type may not offer
// (anything but 0 and 0xF) becomes 1, on the first eight records and on every channel of
// a 15 or 16-channel model. Gives whether a record changed.
bool NormaliseChannelPttIds(RadioState& state);
int PttIdNormalisedRecords(const RadioState& state);

// The call tone of a level: "Call Tone <level text>.wav" in the program folder.
std::string CallToneFileName(const std::string& programFolder, const std::string& levelText);

} // namespace features
} // namespace qtr
