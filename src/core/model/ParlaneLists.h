#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qtr {

// The fixed receive/transmit frequency lists of the Parlane models; entry numbers start at 1.
const std::vector<std::string>& ParlaneVhfFrequencies();
const std::vector<std::string>& ParlaneUhfFrequencies();
// The list for a type byte: UHF for band code 8, VHF for band code 1, none (nullptr) otherwise.
const std::vector<std::string>* ParlaneFrequenciesFor(std::uint8_t typeByte);

// Parlane frequencies on which a channel's TX power is fixed at the low value.
bool IsRestrictedPowerFrequency(const std::string& plainFrequencyText);

// The one frequency that is two entries (04 and 24) of the VHF Parlane list.
inline constexpr const char* kDuplicateFrequency = "154.60000";
inline constexpr int kFirstDuplicateEntry = 4;
inline constexpr int kSecondDuplicateEntry = 24;

// "(%02d) %s" of an entry number and its text.
std::string NumberedEntry(int number, const std::string& text);
// A decorated list text back to its plain text: everything after the first blank.
std::string StripEntryNumber(const std::string& decorated);

} // namespace qtr
