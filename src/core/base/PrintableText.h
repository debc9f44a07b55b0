#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qtr {

// Text from outside the program (a CSV field, bytes a radio sent) as it may go onto a
// terminal or into a log: control and non-ASCII bytes written as \xHH, a backslash as
// \\, and at most `limit` characters, the cut marked "...". The result is plain ASCII.
std::string PrintableText(std::string_view text, std::size_t limit = 80);

} // namespace qtr
