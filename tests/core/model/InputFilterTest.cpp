#include "core/model/InputFilter.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(InputFilterTest, DecimalNumbersTakeDigitsAndOnePoint)
{
    EXPECT_EQ(FilterTypedCharacter(InputClass::DecimalNumber, '7', "151", 9), '7');
    EXPECT_EQ(FilterTypedCharacter(InputClass::DecimalNumber, '.', "151", 9), '.');
    EXPECT_EQ(FilterTypedCharacter(InputClass::DecimalNumber, '.', "151.8", 9), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::DecimalNumber, '-', "", 9), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::DecimalNumber, '5', "151.82000", 9), std::nullopt);
}

TEST(InputFilterTest, DigitsRefuseEverythingElse)
{
    EXPECT_EQ(FilterTypedCharacter(InputClass::Digits, '0', "1", 2), '0');
    EXPECT_EQ(FilterTypedCharacter(InputClass::Digits, '.', "1", 2), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::Digits, '3', "16", 2), std::nullopt);
}

TEST(InputFilterTest, ToneCharactersBecomeUpperCase)
{
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, 'd', "", 5), 'D');
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, 'n', "D023", 5), 'N');
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, 'I', "D023", 5), 'I');
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, '.', "88.", 5), '.');
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, 'x', "", 5), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, 'e', "", 5), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::ToneCharacters, '1', "D023N", 5), std::nullopt);
}

TEST(InputFilterTest, WholeTextsAreCheckedAsIfTyped)
{
    EXPECT_TRUE(IsAcceptedText(InputClass::Digits, "16", 2));
    EXPECT_TRUE(IsAcceptedText(InputClass::Digits, "", 2));
    EXPECT_FALSE(IsAcceptedText(InputClass::Digits, "123", 2));
    EXPECT_FALSE(IsAcceptedText(InputClass::DecimalNumber, "1.5.", 9));
    EXPECT_FALSE(IsAcceptedText(InputClass::ToneCharacters, "d023n", 5)); // typing would change the case
}

TEST(InputFilterTest, PastedTextKeepsWhatTypingItWouldKeep)
{
    EXPECT_EQ(FilterTypedText(InputClass::DecimalNumber, "abc162.5xyz-1", "", 9), "162.51");
    EXPECT_EQ(FilterTypedText(InputClass::DecimalNumber, "5.5", "1.", 9), "55"); // one point in the field
    EXPECT_EQ(FilterTypedText(InputClass::DecimalNumber, "1234567890", "151", 9), "123456");
    EXPECT_EQ(FilterTypedText(InputClass::ToneCharacters, "d023n", "", 5), "D023N");
    EXPECT_EQ(FilterTypedText(InputClass::Digits, "x", "", 2), "");
    EXPECT_EQ(FilterTypedText(InputClass::Digits, "\xc3\xa9" "12", "", 2), "12"); // UTF-8 bytes are refused
}

TEST(InputFilterTest, HexDigitsBecomeUpperCaseAndMessageTextTakesPrintableAsciiOnly)
{
    EXPECT_EQ(FilterTypedText(InputClass::HexDigits, "0aF9gx-", "", 8), "0AF9");
    EXPECT_EQ(FilterTypedCharacter(InputClass::HexDigits, 'c', "1", 2), 'C');
    EXPECT_EQ(FilterTypedCharacter(InputClass::HexDigits, '1', "1C", 2), std::nullopt);
    EXPECT_EQ(FilterTypedText(InputClass::PrintableAscii, "Jos\xc3\xa9 #1~", "", 32), "Jos #1~");
    EXPECT_EQ(FilterTypedCharacter(InputClass::PrintableAscii, ' ', "", 32), ' ');
    EXPECT_EQ(FilterTypedCharacter(InputClass::PrintableAscii, '\x7f', "", 32), std::nullopt);
    EXPECT_EQ(FilterTypedCharacter(InputClass::PrintableAscii, '\t', "", 32), std::nullopt);
    EXPECT_EQ(FilterTypedText(InputClass::PrintableAscii, std::string(40, 'A'), "", 32).size(), 32U);
}

} // namespace
} // namespace qtr
