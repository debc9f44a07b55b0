#include "core/model/FieldRoutines.h"

#include "core/base/messages/Common.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <limits>

namespace qtr {
namespace {

TEST(FieldRoutinesTest, ClampNumberTextClampsTruncatesAndRewrites)
{
    std::string text = "17";
    EXPECT_EQ(ClampNumberText(text, 16, 1, 1), 16);
    EXPECT_EQ(text, "16");
    text = "";
    EXPECT_EQ(ClampNumberText(text, 250, 10, 10), 10);
    EXPECT_EQ(text, "10");
    text = "125";
    EXPECT_EQ(ClampNumberText(text, 250, 10, 10), 120);
    text = "7x";
    EXPECT_EQ(ClampNumberText(text, 1, 5, 1), 7);
    EXPECT_EQ(text, "7x");
}

TEST(FieldRoutinesTest, SpinStepWrapsBothWays)
{
    EXPECT_EQ(SpinStep(16, 16, 1, 1, 1), 1);
    EXPECT_EQ(SpinStep(1, 16, 1, 1, -1), 16);
    EXPECT_EQ(SpinStep(20, 250, 10, 10, 1), 30);
    EXPECT_EQ(SpinStep(5, 16, 1, 1, 0), 5);
}

TEST(FieldRoutinesTest, ParseHundredthsReadsTwoFractionDigits)
{
    EXPECT_EQ(ParseHundredths("1.5", 3), 150);
    EXPECT_EQ(ParseHundredths("12", 2), 1200);
    EXPECT_EQ(ParseHundredths("0.25", 4), 25);
    EXPECT_EQ(ParseHundredths("0.259", 5), 25);
}

TEST(FieldRoutinesTest, BlankFieldsBecomeUnset)
{
    std::uint8_t blanks[4] = {' ', ' ', 0, ' '};
    BlankFieldToFF(blanks, 4);
    EXPECT_EQ(blanks[2], 0xFF);
    std::uint8_t leadingZero[3] = {0, 'A', 'B'};
    BlankFieldToFF(leadingZero, 3);
    EXPECT_EQ(leadingZero[1], 0xFF);
    std::uint8_t text[3] = {' ', 'A', ' '};
    BlankFieldToFF(text, 3);
    EXPECT_EQ(text[1], 'A');

    char buffer[] = "AB  ";
    EXPECT_EQ(CutTrailingBlanks(buffer, 4), 1);
    EXPECT_STREQ(buffer, "AB");
    char full[] = "ABCD";
    EXPECT_EQ(CutTrailingBlanks(full, 4), 0);
}

TEST(FieldRoutinesTest, LookupLabelFindsTheMessageOfAValue)
{
    const ValueList list{{messages::common::kHigh, 1}, {messages::common::kLow, 0}};
    EXPECT_EQ(LookupLabel(0, list), messages::common::kLow);
    EXPECT_EQ(LookupLabel(2, list), -1);
}

TEST(FieldRoutinesTest, NumbersIgnoreTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "C");
    EXPECT_DOUBLE_EQ(LeadingDecimal(" 151.8x"), 151.8);
    EXPECT_EQ(FormatFixed(151.8, 5), "151.80000");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_DOUBLE_EQ(LeadingDecimal("-2.5e1"), -25.0);
    EXPECT_DOUBLE_EQ(LeadingDecimal("."), 0.0);
    EXPECT_EQ(LeadingInteger("  -42abc"), -42);
}

TEST(FieldRoutinesTest, NumbersBeyondTheRangeSaturateInsteadOfWrapping)
{
    constexpr long long largest = std::numeric_limits<long long>::max();
    constexpr long long smallest = std::numeric_limits<long long>::min();
    EXPECT_EQ(LeadingInteger("9223372036854775807"), largest);
    EXPECT_EQ(LeadingInteger("9223372036854775808"), largest);
    EXPECT_EQ(LeadingInteger("92233720368547758070"), largest);
    EXPECT_EQ(LeadingInteger("-9223372036854775809"), smallest);
    std::string text = "9223372036854775808";
    EXPECT_EQ(ClampNumberText(text, 600, 15, 15), 600);
    EXPECT_EQ(text, "600");
    text = "18446744073709551617"; // 2^64 + 1
    EXPECT_EQ(ClampNumberText(text, 10, 1, 1), 10);
}

} // namespace
} // namespace qtr
