#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qtr {

// The fields of a text between separators; an empty text is one empty field.
std::vector<std::string> SplitFields(const std::string& text, char separator);

// A whole number that is all of the text.
template <typename Number>
std::optional<Number> ParseWhole(std::string_view text, int base = 10)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace qtr
