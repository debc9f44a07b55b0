#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qtr {

// Character classes of the filtered edit fields: every typed character is checked, and a
// refused one is ignored.
enum class InputClass {
    Digits,         // "0" to "9"
    DecimalNumber,  // digits and one decimal point
    ToneCharacters, // digits, ".", "D", "I", "N"; lower-case "d", "i", "n" become upper case
    DtmfCharacters, // digits, "A" to "D", "*", "#"; lower-case "a" to "d" become upper case
    DigitsOrWildcard, // digits, or a lone "A" (a typed "a" too) for "any"; no digit joins an "A"
    HexDigits,      // digits, "A" to "F"; lower-case "a" to "f" become upper case
    PrintableAscii, // space to "~": what the radio's display shows, no accented letters
};

// The character a field of the class takes for a typed one, or nothing when it refuses
// it. `remaining` is the field's text without the selection the character replaces;
// a field never grows beyond `maxLength` typed characters.
// An ASCII digit, whatever the C locale says.
bool IsDigit(char c);

std::optional<char> FilterTypedCharacter(InputClass inputClass, char typed, const std::string& remaining,
                                         std::size_t maxLength);
// What a field of the class keeps of a pasted or dropped text: each character in turn, as
// if it had been typed after the ones kept before it. Empty when the field takes none.
std::string FilterTypedText(InputClass inputClass, const std::string& typed, const std::string& remaining,
                            std::size_t maxLength);
// Whether the whole text could have been typed into a field of the class as it stands.
bool IsAcceptedText(InputClass inputClass, const std::string& text, std::size_t maxLength);

} // namespace qtr
