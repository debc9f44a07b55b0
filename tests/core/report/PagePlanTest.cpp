#include "core/report/PagePlan.h"
#include "core/report/PrintListButtons.h"

#include <gtest/gtest.h>

namespace qtr::report {
namespace {

constexpr SectionMask kAll = 0xFF;

int PageCount(bool parlane, bool landscape, int channels, SectionMask sections = kAll)
{
    return static_cast<int>(PlanPages(sections, parlane, landscape, channels).size());
}

TEST(PagePlanTest, PageCountsOfEverySectionForBothLinesAndOrientations)
{
    struct PlanCase {
        bool parlane;
        bool landscape;
        int channels;
        int pages;
    };
    // LMR: 1 + 1 + 1 + 1 + 1 + 1 + 1 + channel pages (4 a page); landscape adds one
    // page each to Optional Features and DTMF. Parlane: no DTMF or Vantalink, 6 a page.
    const PlanCase cases[] = {
        {false, false, 0, 8},  {false, false, 1, 8},  {false, false, 4, 8},   {false, false, 5, 9},
        {false, false, 8, 9},  {false, false, 9, 10}, {false, false, 16, 11}, {false, true, 1, 10},
        {false, true, 16, 13}, {true, false, 0, 6},   {true, false, 2, 6},    {true, false, 6, 6},
        {true, false, 7, 7},   {true, false, 12, 7},  {true, false, 13, 8},   {true, false, 16, 8},
        {true, true, 2, 7},    {true, true, 16, 9},
    };
    for (const PlanCase& c : cases)
        EXPECT_EQ(PageCount(c.parlane, c.landscape, c.channels), c.pages)
            << "parlane " << c.parlane << " landscape " << c.landscape << " channels " << c.channels;
}

TEST(PagePlanTest, ChannelPagesFromOneToSixteenChannels)
{
    for (int channels = 1; channels <= 16; ++channels) {
        const auto only = Bit(PrintSection::ChannelInformation);
        EXPECT_EQ(PageCount(false, false, channels, only), (channels + 3) / 4) << channels;
        EXPECT_EQ(PageCount(true, true, channels, only), (channels + 5) / 6) << channels;
    }
}

TEST(PagePlanTest, SectionsFollowTheTableOrderWhateverTheSelection)
{
    const SectionMask chosen = Bit(PrintSection::ChannelInformation) | Bit(PrintSection::OptionalFeatures) |
                               Bit(PrintSection::Dtmf);
    const auto plan = PlanPages(chosen, false, true, 5);
    const std::vector<PlannedPage> expected{
        {PrintSection::OptionalFeatures, 0, 2}, {PrintSection::OptionalFeatures, 1, 2},
        {PrintSection::Dtmf, 0, 2},             {PrintSection::Dtmf, 1, 2},
        {PrintSection::ChannelInformation, 0, 2}, {PrintSection::ChannelInformation, 1, 2},
    };
    EXPECT_EQ(plan, expected);
}

TEST(PagePlanTest, ParlaneNeverPrintsDtmfOrVantalinkEvenWhenAsked)
{
    const SectionMask asked = Bit(PrintSection::Dtmf) | Bit(PrintSection::Vantalink);
    EXPECT_TRUE(PlanPages(asked, true, false, 16).empty());
    EXPECT_EQ(OfferedSections(true), 0xE7u);
    EXPECT_EQ(OfferedSections(false), 0xFFu);
}

TEST(PagePlanTest, SectionNamesOfTheCommandLine)
{
    std::string unknown;
    EXPECT_EQ(ParseSectionNames("features,channels", unknown), 0x81u);
    EXPECT_EQ(ParseSectionNames("all", unknown), 0xFFu);
    EXPECT_EQ(ParseSectionNames("keys,bogus", unknown), std::nullopt);
    EXPECT_EQ(unknown, "bogus");
    EXPECT_EQ(ParseSectionNames("", unknown), std::nullopt);
    EXPECT_EQ(ParseSectionNames(",", unknown), std::nullopt);
}

} // namespace
} // namespace qtr::report

namespace qtr::report {
namespace {

TEST(PrintListButtonsTest, OkAndAllClearNeedABoxSelectAllABoxStillClear)
{
    struct ButtonCase {
        SectionMask checked;
        bool parlane;
        PrintListButtons buttons;
    };
    const ButtonCase cases[] = {
        {0x00, false, {false, false, true}}, {0x01, false, {true, true, true}}, {0xFF, false, {true, true, false}},
        {0x7F, false, {true, true, true}},   {0x00, true, {false, false, true}}, {0xE7, true, {true, true, false}},
        {0x80, true, {true, true, true}},    // DTMF and Vantalink do not count on Parlane models
        {0x18, true, {false, false, true}},
    };
    for (const ButtonCase& c : cases)
        EXPECT_EQ(PrintListButtonStates(c.checked, c.parlane), c.buttons) << std::hex << c.checked << " " << c.parlane;
}

} // namespace
} // namespace qtr::report
