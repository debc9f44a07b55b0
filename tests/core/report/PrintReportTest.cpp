#include "ReportTestRadio.h"
#include "core/testmode/AdjustmentSheet.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Keys.h"
#include "core/base/messages/TestMode.h"
#include "core/features/DtmfForm.h"
#include "core/features/KeyAssignmentForm.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/VantalinkForm.h"
#include "core/model/MessageFields.h"
#include "core/report/ColumnStarts.h"
#include "core/report/PrintReport.h"
#include "core/testmode/AdjustmentSheet.h"
#include "core/testmode/TuningItems.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace qtr {
namespace {

using namespace report;

class PrintReportTest : public test::ReportTestRadio {
protected:
    Report Print(SectionMask sections, bool landscape = false)
    {
        ReportRequest request;
        request.sections = sections;
        request.landscape = landscape;
        request.documentName = "shop.dat";
        request.printedAt.tm_year = 126;
        request.printedAt.tm_mon = 11;
        request.printedAt.tm_mday = 7;
        request.printedAt.tm_hour = 14;
        request.printedAt.tm_min = 5;
        return BuildReport(state, catalog, request);
    }
    ReportPage Only(PrintSection section)
    {
        const Report report = Print(Bit(section));
        EXPECT_EQ(report.pages.size(), 1u);
        return report.pages.at(0);
    }
};

TEST_F(PrintReportTest, FrameNamesModelChannelsRangeAndFileForEveryModelLine)
{
    struct FrameCase {
        int model;
        std::uint8_t typeByte;
        bool fifteen;
        const char* modelText;
        const char* channels;
        const char* range;
    };
    const FrameCase cases[] = {
        {kLmrVhf8, 0x15, false, "RB-7100 LMR (VHF)", "8 Channels", "150-174 MHz"},
        {kLmrUhfL, 0x8B, false, "RB-8100L LMR (UHF)", "15/16 Channels", "450-470 MHz"},
        {kLmrUhfL, 0x8B, true, "RB-8100L LMR (UHF)", "15/16 Channels", "450-470 MHz"},
        {kParlaneVhf, 0x10, false, "RB-7100 Parlane (VHF)", "2 Channels", "151-159 MHz"},
        {kParlaneUhfL, 0x85, false, "RB-8100L Parlane (UHF)", "8 Channels", "461-470 MHz"},
    };
    for (const FrameCase& c : cases) {
        UseModel(c.model, c.typeByte, c.fifteen);
        const PageFrame frame = Print(0xFF).frame;
        EXPECT_EQ(frame.title, "QTR-31X Programming Data");
        EXPECT_EQ(frame.lines[0], (FrameLine{"Model Type", c.modelText}));
        EXPECT_EQ(frame.lines[1], (FrameLine{"No. of Channels", c.channels}));
        EXPECT_EQ(frame.lines[2], (FrameLine{"Frequency", c.range}));
        EXPECT_EQ(frame.lines[3], (FrameLine{"File Name", "shop.dat"}));
    }
}

TEST_F(PrintReportTest, UnknownModelCodeLeavesTheModelTextEmpty)
{
    state.image[440] = 'X';
    EXPECT_EQ(PrintedModelText(state, catalog), "");
    state.image[445] = 0x42;
    EXPECT_EQ(PrintedChannelCountText(state, catalog), "");
}

// Ten units a character: a text that would reach the next text of its row pushes that
// column right, two characters clear of it; the last text of a row pushes nothing.
TEST(ColumnStartsTest, ColumnsMoveRightOfTheWidestTextBeforeThem)
{
    const ReportPage page{{{0, 15, "A title wider than the label column"},
                           {2, 40, "High-MidHigh"},
                           {2, 50, "Mid"},
                           {2, 60, "Low"},
                           {3, 15, std::string(30, 'x')},
                           {3, 40, "5"},
                           {3, 60, "7"}}};
    const auto starts = ColumnStarts(page, 10, [](const std::string& text) { return static_cast<int>(text.size()) * 10; });
    EXPECT_EQ(starts, (std::map<int, int>{{15, 150}, {40, 470}, {50, 610}, {60, 660}}));
}

TEST_F(PrintReportTest, PageNumbers)
{
    EXPECT_EQ(PageNumberText(1), "- 1 -");
    EXPECT_EQ(PageNumberText(12), "- 12 -");
}

TEST_F(PrintReportTest, SettingsSectionsShowTheEditorsLabelsAndValues)
{
    OptionalFeaturesForm features(state, catalog);
    features.Form().CommitText(OptionalFeaturesForm::kTimeOutTimer, "60");
    const ReportPage page = Only(PrintSection::OptionalFeatures);
    EXPECT_EQ(Row(page, 0), "Optional Features");
    EXPECT_EQ(RowOf(page, "Time Out Timer (TOT) [s]"), "Time Out Timer (TOT) [s] | 60");
    EXPECT_EQ(RowOf(page, "TOT Pre-Alert [s]"), "TOT Pre-Alert [s] | Off");

    KeyAssignmentForm keys(state, catalog, [] { return false; });
    const std::string pf1 = keys.Form().EntryText(keys.Form().Entries(KeyAssignmentForm::kPf1).at(
        static_cast<std::size_t>(keys.Form().SelectedEntry(KeyAssignmentForm::kPf1))));
    const ReportPage keyPage = Only(PrintSection::KeyAssignment);
    EXPECT_EQ(Row(keyPage, 0), "Key Assignment");
    EXPECT_EQ(Row(keyPage, 2), "PF1 | " + pf1);
    EXPECT_FALSE(pf1.empty());
    EXPECT_TRUE(Row(keyPage, 3).starts_with("PF2 | "));
    EXPECT_EQ(Row(keyPage, 4), "") << "S-Selector only on the 15-channel model";
}

TEST_F(PrintReportTest, DtmfAndVantalinkPrintTheirRowsAndGridCells)
{
    DtmfForm dtmf(state, catalog);
    dtmf.Form().CommitText(DtmfForm::kIdCode, "12345");
    dtmf.AutodialGrid().Commit({3, 1}, "55*0#");
    VantalinkForm vantalink(state, catalog);
    vantalink.FleetIdGrid().Commit({5, 2}, "1234");
    const ReportPage dtmfPage = Only(PrintSection::Dtmf);
    EXPECT_EQ(Row(dtmfPage, 0), "DTMF");
    EXPECT_EQ(RowOf(dtmfPage, "ID Code"), "ID Code | 12345");
    EXPECT_NE(RowOf(dtmfPage, "Autodial Memory (DTMF)"), "");
    EXPECT_EQ(RowOf(dtmfPage, "3 |"), "3 | 55*0#");
    EXPECT_EQ(RowOf(dtmfPage, "4 |"), "4 | ------");
    const ReportPage fleetPage = Only(PrintSection::Vantalink);
    EXPECT_EQ(Row(fleetPage, 0), "Vantalink");
    EXPECT_EQ(RowOf(fleetPage, "ID 5"), "ID 5 | 1234");
    EXPECT_NE(RowOf(fleetPage, "Fleet 5"), "Fleet 5 | ------") << "the wildcard beside a new ID";
    EXPECT_EQ(RowOf(fleetPage, "Fleet 6"), "Fleet 6 | ------");
}

TEST_F(PrintReportTest, ALongLabelMovesTheValuesOfItsPageClearOfIt)
{
    const ReportPage page = Only(PrintSection::Vantalink);
    const std::string label = "Data TX Modulation Delay Time [ms]";
    const auto placed = [&page](const std::string& text) {
        return *std::find_if(page.texts.begin(), page.texts.end(), [&](const PlacedText& t) { return t.text == text; });
    };
    const PlacedText delay = placed(label);
    const PlacedText value = placed("400");
    EXPECT_EQ(value.row, delay.row);
    EXPECT_GT(value.column, delay.column + static_cast<int>(label.size()));
    EXPECT_EQ(placed("Fleet 1").column, delay.column);
    EXPECT_EQ(Only(PrintSection::KeyAssignment).texts.at(2).column, kValueColumn) << "short labels keep the usual column";
}

TEST_F(PrintReportTest, SSelectorPrintsOnOrOffOnTheFifteenChannelModel)
{
    UseModel(kLmrUhfL, 0x8B, true);
    state.image[284] = 1;
    EXPECT_EQ(Row(Only(PrintSection::KeyAssignment), 4), "S-Selector (Scan) | On");
    state.image[284] = 0;
    EXPECT_EQ(Row(Only(PrintSection::KeyAssignment), 4), "S-Selector (Scan) | Off");
}

TEST_F(PrintReportTest, KeyLabelsArePrintedInTheCataloguesLanguage)
{
    auto ids = MessageCatalog::ProgramMessages();
    ASSERT_EQ(catalog.LoadLanguage(ids, MessageCatalog::kSpanish), MessageCatalog::kLoaded);
    UseModel(kLmrUhfL, 0x8B, true);
    state.image[284] = 1;
    const ReportPage page = Only(PrintSection::KeyAssignment);
    EXPECT_EQ(Row(page, 0), catalog.MessageText(messages::keys::kTitle, 1));
    EXPECT_EQ(Row(page, 4), "Selector S (exploración) | " + catalog.MessageText(messages::common::kOnSetting, 1));
}

TEST_F(PrintReportTest, PrintingLeavesTheImageAsItWas)
{
    UseModel(kLmrUhfL, 0x8B, true);
    state.image[284] = 1;
    const auto before = state.image;
    Print(0xFF, true);
    EXPECT_EQ(state.image, before);
}

TEST_F(PrintReportTest, LandscapeSplitsOptionalFeaturesBetweenGroups)
{
    const Report report = Print(Bit(PrintSection::OptionalFeatures), true);
    ASSERT_EQ(report.pages.size(), 2u);
    const ReportPage portrait = Only(PrintSection::OptionalFeatures);
    EXPECT_EQ(report.pages[0].texts.size() + report.pages[1].texts.size(), portrait.texts.size() + 1);
    EXPECT_EQ(Row(report.pages[1], 0), "Optional Features");
    const auto& second = report.pages[1].texts;
    const auto heading = std::ranges::find(second, 2, &PlacedText::row);
    ASSERT_NE(heading, second.end());
    EXPECT_EQ(heading->column, kTitleColumn) << "the second page starts with a group";
}

TEST_F(PrintReportTest, EmbeddedMessageLinesUpToTheirFirstUnsetByte)
{
    const std::string hello = "HELLO";
    std::copy(hello.begin(), hello.end(), state.image.begin() + message::kLine1.offset);
    const ReportPage page = Only(PrintSection::EmbeddedMessage);
    EXPECT_EQ(Row(page, 0), "Embedded Message");
    EXPECT_EQ(Row(page, 2), "HELLO");
    EXPECT_EQ(Row(page, 3), "------");
    const std::string full(32, 'Z');
    std::copy(full.begin(), full.end(), state.image.begin() + message::kLine2.offset);
    EXPECT_EQ(Row(Only(PrintSection::EmbeddedMessage), 3), full);
}

TEST_F(PrintReportTest, TestFrequenciesWithTheirHeadersAndEmptyEntries)
{
    const ReportPage page = Only(PrintSection::TestFrequency);
    EXPECT_EQ(Row(page, 2), "Channel | RX [MHz] | TX [MHz]");
    EXPECT_EQ(Row(page, 3), "1 | 162.05000 | 162.10000");
    EXPECT_EQ(Row(page, 18), "16 | ------ | ------");
}

TEST_F(PrintReportTest, ChannelBlocksFourOrSixToAPageInChannelOrder)
{
    ProgramChannels(6, "155.5");
    const Report lmr = Print(Bit(PrintSection::ChannelInformation));
    ASSERT_EQ(lmr.pages.size(), 2u);
    EXPECT_NE(RowOf(lmr.pages[0], "Channel 1 | Channel 2"), "");
    EXPECT_NE(RowOf(lmr.pages[0], "Channel 3 | Channel 4"), "");
    EXPECT_NE(RowOf(lmr.pages[1], "Channel 5 | Channel 6"), "");
    const std::string frequency = RowOf(lmr.pages[0], catalog.MessageText(messages::common::kRxFrequency, 1));
    EXPECT_EQ(frequency, "RX Frequency | 155.50000 | RX Frequency | 155.50000");

    UseModel(kParlaneUhfL, 0x85);
    ProgramChannels(7, "461.0375");
    const Report parlane = Print(Bit(PrintSection::ChannelInformation));
    ASSERT_EQ(parlane.pages.size(), 2u);
    EXPECT_NE(RowOf(parlane.pages[0], "Channel 5 | Channel 6"), "");
    EXPECT_NE(RowOf(parlane.pages[1], "Channel 7"), "");
}

TEST_F(PrintReportTest, NoProgrammedChannelStillPrintsTheTitledPage)
{
    ProgramChannels(0, "");
    EXPECT_EQ(ProgrammedChannelCount(state), 0);
    const ReportPage page = Only(PrintSection::ChannelInformation);
    EXPECT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(Row(page, 0), "Channel Information");
}

TEST_F(PrintReportTest, AdjustmentSheetCellsAndDashes)
{
    static_assert(std::is_same_v<testmode::TuningValueTable, std::array<int, 80>>);
    // The entries each item prints, left to right, -1 for a dash.
    const std::array<std::array<int, 7>, 15> expected{{
        {10, 11, 12, 13, 14, 15, -1}, {16, 17, 18, 19, 20, 21, -1}, {28, 29, -1, 30, -1, 31, 32},
        {23, 24, -1, 25, -1, 26, 27}, {33, 34, -1, 35, -1, 36, 37}, {38, 39, -1, 40, -1, 41, 42},
        {43, -1, -1, -1, -1, -1, 44}, {45, 46, -1, 47, -1, 48, -1}, {5, 6, -1, 7, -1, 8, 9},
        {0, 1, -1, 2, -1, 3, 4},      {51, -1, -1, -1, -1, -1, 53}, {54, -1, -1, -1, -1, -1, -1},
        {56, -1, -1, -1, -1, -1, -1}, {57, -1, -1, -1, -1, -1, -1}, {58, -1, -1, -1, -1, -1, -1},
    }};
    const auto rows = testmode::sheet::Rows();
    for (std::size_t item = 0; item < 15; ++item)
        EXPECT_EQ(rows.at(item).entries, expected[item]) << item;

    testmode::TuningValueTable values{};
    for (int i = 0; i < testmode::kTuningValueCount; ++i)
        values[static_cast<std::size_t>(i)] = 100 + i;
    const ReportPage page = testmode::AdjustmentSheetPage(catalog, values);
    EXPECT_EQ(Row(page, 0), "Adjustment Values");
    EXPECT_EQ(Row(page, 2), "Master | Low | Low-Mid | Middle | High-Mid | High | Narrow");
    const std::string item2 = catalog.MessageText(messages::testmode::kMaximumDeviation, 1);
    EXPECT_EQ(Row(page, 5), item2 + " | 128 | 129 | - | 130 | - | 131 | 132");
    EXPECT_EQ(Row(page, 17), catalog.MessageText(messages::testmode::kRssi, 1) + " | 158 | - | - | - | - | - | -");
    const auto columns = std::ranges::count_if(page.texts, [](const PlacedText& text) { return text.row == 9; });
    EXPECT_EQ(columns, 8) << "every row has its name and seven cells, on the B line too";

    const Report sheet = testmode::AdjustmentReport(state, catalog, values, "shop.dat", {});
    EXPECT_EQ(sheet.pages.size(), 1u);
    EXPECT_EQ(sheet.frame.lines[3].value, "shop.dat");
}

} // namespace
} // namespace qtr
