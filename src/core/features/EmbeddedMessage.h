#pragma once

#include "core/model/ImageView.h"

#include <array>
#include <optional>
#include <string>

namespace qtr {
class RadioState;
}

namespace qtr::message {

// The two lines of the embedded message, numbered 0 and 1.
constexpr int kLineCount = 2;

// The line as the radio shows it: its bytes up to the first 0xFF, at most 32, each byte one
// character.
std::string ReadLine(const ImageBytes& image, int line);
// Stores the text from the line's first byte on, every unused byte 0xFF; a text with a
// character the radio cannot show (below 0x20, or from 0x80 up) stores an empty line, and a
// longer text is cut at 32 characters. True when a byte of the image changed.
bool StoreLine(ImageBytes& image, int line, const std::string& text);
// One commit of the lines the user changed (no text: a line left as it is); the windows
// hear of it when a byte changed.
void StoreLines(RadioState& state, const std::array<std::optional<std::string>, kLineCount>& changedLines);

} // namespace qtr::message
