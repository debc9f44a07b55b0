#pragma once

#include "core/model/ImageView.h"

#include <string>

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

} // namespace qtr::message
