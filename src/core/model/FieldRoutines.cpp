#include "core/model/FieldRoutines.h"

#include "core/model/InputFilter.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qtr {

namespace {

std::size_t SkipBlanks(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i;
}

std::size_t SkipDigits(const std::string& text, std::size_t i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// Length of the decimal number (digits, point, exponent) starting at `begin`, 0 if none.
std::size_t DecimalNumberLength(const std::string& text, std::size_t begin)
{
    std::size_t end = SkipDigits(text, begin);
    bool digits = end > begin;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = SkipDigits(text, end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end - begin;
}

} // namespace

double LeadingDecimal(const std::string& text)
{
    std::size_t i = SkipBlanks(text);
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    const std::size_t length = DecimalNumberLength(text, i);
    if (length == 0)
        return 0.0;
    double value = 0.0;
    const char* first = text.data() + i;
    const auto result = std::from_chars(first, first + length, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: saturate as the C library does.
        const std::string number(first, length);
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string::npos && number.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return sign * value;
}

long long LeadingInteger(const std::string& text)
{
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // A number beyond the range saturates: one more digit must not wrap it round.
    constexpr long long largest = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value > (largest - digit) / 10)
            return negative ? std::numeric_limits<long long>::min() : largest;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string FormatFixed(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

namespace {

int ToInt(long long value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

int ClampNumberText(std::string& text, int maximum, int minimum, int step)
{
    int value = ToInt(LeadingInteger(text));
    if (minimum > maximum)
        return value;
    if (value > maximum)
        value = maximum;
    if (value < minimum)
        value = minimum;
    if (step > 0 && value % step != 0)
        value = (value / step) * step;
    text = std::to_string(value);
    return value;
}

int SpinStep(int value, int maximum, int minimum, int step, int direction)
{
    if (direction > 0)
        return value < maximum ? value + step : minimum;
    if (direction < 0)
        return value > minimum ? value - step : maximum;
    return value;
}

int ParseHundredths(const std::string& text, std::size_t length)
{
    const std::string part = text.substr(0, length);
    const std::size_t point = part.find('.');
    const int whole = ToInt(LeadingInteger(part.substr(0, point)));
    auto digitAt = [&](std::size_t index) {
        return point != std::string::npos && index < part.size() && IsDigit(part[index]) ? part[index] - '0' : 0;
    };
    const int tenths = point == std::string::npos ? 0 : digitAt(point + 1);
    const int hundredths = point == std::string::npos ? 0 : digitAt(point + 2);
    return whole * 100 + tenths * 10 + hundredths;
}

int CutTrailingBlanks(char* buffer, std::size_t length)
{
    if (length == 0 || buffer[length - 1] != ' ')
        return 0;
    std::size_t start = length - 1;
    while (start > 0 && buffer[start - 1] == ' ')
        --start;
    buffer[start] = '\0';
    return 1;
}

void BlankFieldToFF(std::uint8_t* field, std::size_t length)
{
    if (length == 0)
        return;
    bool blank = field[0] == 0;
    if (!blank) {
        blank = true;
        for (std::size_t i = 0; i < length; ++i)
            if (field[i] != ' ' && field[i] != 0)
                blank = false;
    }
    if (blank)
        for (std::size_t i = 0; i < length; ++i)
            field[i] = 0xFF;
}

void ReplaceByte(std::uint8_t* buffer, std::size_t length, std::uint8_t oldByte, std::uint8_t newByte)
{
    for (std::size_t i = 0; i < length; ++i)
        if (buffer[i] == oldByte)
            buffer[i] = newByte;
}

int LookupLabel(int value, const ValueList& list)
{
    for (const auto& entry : list)
        if (entry.value == value)
            return entry.messageId;
    return -1;
}

} // namespace qtr
