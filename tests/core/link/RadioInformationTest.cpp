#include "core/base/MessageCatalog.h"
#include "core/base/messages/Model.h"
#include "core/link/RadioInformation.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

RadioInformation Information(const std::string& code, std::uint8_t type, std::uint8_t option, char line,
                             const std::string& serial = "", const std::string& version = "V1.00")
{
    RadioIdentity identity{};
    std::copy(code.begin(), code.end(), identity.begin());
    identity[5] = type;
    identity[6] = option;
    identity[7] = static_cast<std::uint8_t>(line);
    RadioSerial serialBytes{};
    serialBytes.fill(0xFF);
    std::copy(serial.begin(), serial.end(), serialBytes.begin());
    RadioVersion versionBytes{};
    versionBytes.fill(0xFF);
    std::copy(version.begin(), version.end(), versionBytes.begin());
    return RadioInformation(identity, serialBytes, versionBytes);
}

TEST(RadioInformationTest, NamesTheModelByBandVariantAndLine)
{
    EXPECT_EQ(Information("P8100", 0x85, 0xFA, 'B').ModelText(), "  RB-8100 Parlane (UHF)");
    EXPECT_EQ(Information("P71L0", 0x15, 0xFD, 'L').ModelText(), "  RB-7100L LMR (VHF)");
    EXPECT_EQ(Information("P7100", 0x10, 0xF8, 'X').ModelText(), "  RB-7100 LMR (VHF)");
    EXPECT_EQ(Information("P81L0", 0x8B, 0xFD, 'B').ModelText(), "  RB-8100L Parlane (UHF)");
    EXPECT_EQ(Information("P81L0", 0x8B, 0xF9, 'B').ModelText(), "  RB- 81L0");
    EXPECT_EQ(Information("BRS16", 0x8B, 0xF9, 'B').ModelText(), "  RB- BRS16");
}

TEST(RadioInformationTest, GivesTheBandRangeAndChannelClass)
{
    MessageCatalog catalog;
    std::vector<int> ids{messages::model::kUhf, messages::model::kVhf, messages::model::kTwoChannels,
                         messages::model::kEightChannels, messages::model::kFifteenOrSixteenChannels};
    ASSERT_EQ(catalog.LoadText(ids, "^#003005021\n2 Channels\n^#003005051\n8 Channels\n^#003005059\n15/16 Channels\n"
                                    "^#003018001\nUHF\n^#003018003\nVHF\n"),
              MessageCatalog::kLoaded);
    EXPECT_EQ(Information("P8100", 0x85, 0xFA, 'B').FrequencyText(catalog), "  UHF : 461-470 MHz (8 Channels)");
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L').FrequencyText(catalog), "  VHF : 150-174 MHz (2 Channels)");
    EXPECT_EQ(Information("P7100", 0x15, 0xFA, 'B').FrequencyText(catalog), "  VHF : 151-159 MHz (8 Channels)");
    EXPECT_EQ(Information("P81L1", 0x8B, 0xFD, 'L').FrequencyText(catalog), "  UHF : 450-470 MHz (15/16 Channels)");
    EXPECT_EQ(Information("P7100", 0x20, 0xFA, 'L').FrequencyText(catalog), "   ");
}

TEST(RadioInformationTest, ShowsTheSerialNumberInItsThreeParts)
{
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L', "12345678ABCD0042SIM-01").SerialNumberText(),
              " 12345678ABCD 0042 SIM-01");
    // Parts end at their first unset byte; odd characters of the tail become blanks.
    std::string serial = "1234\xFF" "5678ABCD\xFF" "0042AB\x01" "C\xFF" "D";
    serial.resize(32, '\xFF');
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L', serial).SerialNumberText(), " 1234 D 42AB CD");
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L').SerialNumberText(), " ");
}

TEST(RadioInformationTest, MarksTheVersionOfAnLVariant)
{
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L').VersionText(), " V1.00");
    EXPECT_EQ(Information("P71L0", 0x10, 0xFD, 'L').VersionText(), " L1.00");
    EXPECT_EQ(Information("P71L0", 0x10, 0xFD, 'L', "", "VV2.345678").VersionText(), " L2.34");
    EXPECT_EQ(Information("P7100", 0x10, 0xFA, 'L', "", "V2.345678").VersionText(), " V2.345");
}

} // namespace
} // namespace qtr
