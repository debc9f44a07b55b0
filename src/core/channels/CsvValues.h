#pragma once

#include <optional>
#include <string>

namespace qtr::csvvalue {

// The Parlane list entry that repeats 154.60000 MHz (the first is entry 4).
constexpr int kSecondDuplicateEntry = 24;

// "146.52000" as the grid shows it to 10 Hz units (14652000); 0 for no text.
long long TenHertzUnits(const std::string& gridText);
// 10 Hz units as MHz with six decimals, "146.520000".
std::string Megahertz(long long tenHertzUnits);
// Hertz as the grid writes a frequency, "146.52000" (the 1 Hz digit dropped).
std::string GridFrequency(long long hertz);
// A decimal number with a decimal point and at most six decimals, in millionths (Hz of
// a MHz value); nothing for anything else, a decimal comma included.
std::optional<long long> Millionths(const std::string& text);
// The TStep column of a step code, in kHz.
std::string StepText(unsigned stepCode);

} // namespace qtr::csvvalue
