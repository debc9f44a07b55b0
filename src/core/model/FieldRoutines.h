#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qtr {

// Small numeric and text routines the editors share.

// Value of the longest leading decimal number (leading blanks and a sign allowed), 0 for none.
// Independent of the process locale, so a decimal point is always '.'.
double LeadingDecimal(const std::string& text);
long long LeadingInteger(const std::string& text);
// "%.Nf" without the process locale.
std::string FormatFixed(double value, int decimals);

int ClampNumberText(std::string& text, int maximum, int minimum, int step);
int SpinStep(int value, int maximum, int minimum, int step, int direction);
int ParseHundredths(const std::string& text, std::size_t length);
int CutTrailingBlanks(char* buffer, std::size_t length);
void BlankFieldToFF(std::uint8_t* field, std::size_t length);
void ReplaceByte(std::uint8_t* buffer, std::size_t length, std::uint8_t oldByte, std::uint8_t newByte);

// A list field's entry: the message that shows it and the value it stores.
struct LabelValue {
    int messageId;
    int value;
    bool operator==(const LabelValue&) const = default;
};
using ValueList = std::vector<LabelValue>;

int LookupLabel(int value, const ValueList& list);

} // namespace qtr
