#include "core/model/InputFilter.h"

namespace qtr {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

namespace {

std::optional<char> ToneCharacter(char typed)
{
    switch (typed) {
    case 'd':
    case 'i':
    case 'n':
        return static_cast<char>(typed - 'a' + 'A');
    case '.':
    case 'D':
    case 'I':
    case 'N':
        return typed;
    default:
        return IsDigit(typed) ? std::optional<char>(typed) : std::nullopt;
    }
}

std::optional<char> DtmfCharacter(char typed)
{
    if (typed >= 'a' && typed <= 'd')
        return static_cast<char>(typed - 'a' + 'A');
    if ((typed >= 'A' && typed <= 'D') || typed == '*' || typed == '#' || IsDigit(typed))
        return typed;
    return std::nullopt;
}

// A wildcard stands alone: it goes only into an empty field, and a field that holds
// anything but digits takes no digit.
std::optional<char> DigitOrWildcard(char typed, const std::string& remaining)
{
    if (typed == 'a' || typed == 'A')
        return remaining.empty() ? std::optional<char>('A') : std::nullopt;
    const bool onlyDigits = remaining.find_first_not_of("0123456789") == std::string::npos;
    return IsDigit(typed) && onlyDigits ? std::optional<char>(typed) : std::nullopt;
}

std::optional<char> HexDigit(char typed)
{
    if (typed >= 'a' && typed <= 'f')
        return static_cast<char>(typed - 'a' + 'A');
    if ((typed >= 'A' && typed <= 'F') || IsDigit(typed))
        return typed;
    return std::nullopt;
}

} // namespace

std::optional<char> FilterTypedCharacter(InputClass inputClass, char typed, const std::string& remaining,
                                         std::size_t maxLength)
{
    if (remaining.size() >= maxLength)
        return std::nullopt;
    switch (inputClass) {
    case InputClass::Digits:
        return IsDigit(typed) ? std::optional<char>(typed) : std::nullopt;
    case InputClass::DecimalNumber:
        if (IsDigit(typed) || (typed == '.' && remaining.find('.') == std::string::npos))
            return typed;
        return std::nullopt;
    case InputClass::ToneCharacters:
        return ToneCharacter(typed);
    case InputClass::DtmfCharacters:
        return DtmfCharacter(typed);
    case InputClass::DigitsOrWildcard:
        return DigitOrWildcard(typed, remaining);
    case InputClass::HexDigits:
        return HexDigit(typed);
    case InputClass::PrintableAscii:
        return typed >= ' ' && typed <= '~' ? std::optional<char>(typed) : std::nullopt;
    }
    return std::nullopt;
}

std::string FilterTypedText(InputClass inputClass, const std::string& typed, const std::string& remaining,
                            std::size_t maxLength)
{
    std::string field = remaining;
    std::string kept;
    for (const char c : typed) {
        if (const auto accepted = FilterTypedCharacter(inputClass, c, field, maxLength)) {
            field += *accepted;
            kept += *accepted;
        }
    }
    return kept;
}

bool IsAcceptedText(InputClass inputClass, const std::string& text, std::size_t maxLength)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (FilterTypedCharacter(inputClass, text[i], text.substr(0, i), maxLength) != text[i])
            return false;
    }
    return true;
}

} // namespace qtr
