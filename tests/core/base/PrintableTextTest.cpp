#include "core/base/PrintableText.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(PrintableTextTest, ForeignTextCannotDriveATerminalAndStaysShort)
{
    const struct {
        std::string given;
        std::string printed;
    } cases[] = {
        {"P8100 SIM-01", "P8100 SIM-01"},
        {"\x1B]0;owned\x07\x1B[2J", "\\x1B]0;owned\\x07\\x1B[2J"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"\xA9" "1.00", "\\xA91.00"},
        {"back\\slash", "back\\\\slash"},
        {std::string(1000000, 'x'), std::string(80, 'x') + "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintableText(c.given), c.printed);
    std::string escapes;
    for (int i = 0; i < 20; ++i)
        escapes += "\\x1B";
    EXPECT_EQ(PrintableText(std::string(40, '\x1B')), escapes + "..."); // an escape is never cut in two
}

} // namespace
} // namespace qtr
