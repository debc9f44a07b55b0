#pragma once

#include "core/features/FormRow.h"
#include "core/model/ImageView.h"

#include <cstddef>
#include <string>

namespace qtr::features {

constexpr std::size_t kShortestCode = 3;

// Transmit timing: typed numbers to the stored codes and back.
unsigned DtmfSpeedCode(long long digitsPerSecond);
form::FieldText DtmfSpeedText(unsigned code);
// First digit time and the "*" and "#" tone: 0, 100, 500 or 1000 ms.
unsigned DigitTimeCode(long long milliseconds);
form::FieldText DigitTimeText(unsigned code);
// First digit delay: 100 to 1000 ms in 50 ms steps, stored in units of 10 ms.
unsigned FirstDigitDelayUnits(long long milliseconds);
form::FieldText FirstDigitDelayText(unsigned units);
// D code assignment: 1 to 16, anything else is 0 and shows the text for no assignment.
unsigned DCodeValue(long long typed);
form::FieldText DCodeText(unsigned stored);
// Auto reset timer: 0 off, 1 to 15 seconds.
unsigned AutoResetSeconds(long long typed);
form::FieldText AutoResetText(unsigned stored);

// The ID code: 3 to 10 digits. Gives false, storing nothing, for a shorter code.
bool StoreIdCode(ImageView image, const std::string& text);
// The stun code: empty, or 3 to 10 DTMF characters. Gives false, storing nothing, for
// one or two characters.
bool StoreStunCode(ImageView image, const std::string& text);
bool HasStunCode(const ImageReader& image);
// The stun type a list shows for the stored byte: 1, or 0 for anything else.
unsigned ShownStunType(unsigned stored);

// Autodial entry `index` (0 to 7): up to 16 DTMF characters padded with spaces, or
// sixteen 0xFF when it holds none.
void StoreAutodialEntry(ImageView image, std::size_t index, const std::string& text);
std::string AutodialEntryText(const ImageReader& image, std::size_t index);

} // namespace qtr::features
