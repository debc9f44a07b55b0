#pragma once

#include <optional>
#include <string>

namespace qtr {

// A settings text such as "9600,N,8,2": rate, parity letter, data bits, stop bits.
struct LineSettings {
    unsigned baud = 9600;
    char parity = 'N'; // N, E, O, M or S
    unsigned dataBits = 8;
    unsigned stopBits = 2;

    static std::optional<LineSettings> Parse(const std::string& text);
    static std::string WithoutBlanks(const std::string& text);
    // The text with its rate replaced; the fields after the first comma are kept.
    static std::string WithRate(const std::string& text, unsigned baud);
};

} // namespace qtr
