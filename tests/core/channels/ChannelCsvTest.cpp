#include "CaseName.h"
#include "ChannelTestRadio.h"
#include "core/base/messages/ChannelList.h"
#include "core/channels/ChannelCommits.h"
#include "core/channels/ChannelCsv.h"
#include "core/model/ChannelFields.h"
#include "core/model/FeatureFields.h"
#include "core/model/ScanFields.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qtr {
namespace {

using test::ChannelTestRadio;

const std::string kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                            "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The channel records and both bitmaps: what an export and an import carry.
std::vector<std::uint8_t> ChannelBytes(const ImageBytes& image)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t offset = 16; offset < 16 + 256; ++offset)
        bytes.push_back(image[offset]);
    for (std::size_t offset = 380; offset < 384; ++offset)
        bytes.push_back(image[offset]);
    return bytes;
}

struct ModelLine {
    const char* name;
    int modelType;
    std::uint8_t typeByte;
    bool fifteen;
};

// A failure names the model line, not the parameter's bytes.
void PrintTo(const ModelLine& line, std::ostream* out)
{
    *out << line.name;
}

class ChannelCsvRoundTrip : public testing::TestWithParam<ModelLine> {};

void ProgramLmrChannels(ChannelTestRadio& radio)
{
    ChannelCommits commits(radio.table, radio.codec, radio.prompter);
    const bool vhf = radio.state.band.flag == 0;
    const std::string base = vhf ? "151." : "461.";
    commits.StoreFrequency(0, kReceive, base + "5", true);
    commits.StoreToneText(0, kDecode, "88.5");
    commits.StoreToneText(0, kEncode, "88.5");
    commits.StoreFrequency(1, kReceive, base + "6", true);
    commits.StoreFrequency(1, kTransmit, base + "9", false);
    commits.StoreToneText(1, kDecode, "D023I");
    commits.StoreToneText(1, kEncode, "D023N");
    radio.table.SetListField(1, ChannelField::OptionSignalling, 2);
    radio.table.SetListField(1, ChannelField::SpUnmute, 2);
    radio.table.SetListField(1, ChannelField::BusyChannelLockout, 3);
    radio.table.SetListField(1, ChannelField::AutodialMemory, 5);
    radio.table.SetCheckField(1, ChannelField::BeatShift, true);
    radio.table.SetCheckField(1, ChannelField::Compander, true);
    radio.table.SetListField(1, ChannelField::TxPower, 0);
    radio.table.SetListField(1, ChannelField::WideNarrow, vhf ? 0 : 1);
    radio.table.SetScanAdd(1, false);
    // Receive only, decoding a QT tone and a DQT code crossed with a QT tone.
    commits.StoreFrequency(3, kReceive, base + "7125", false);
    commits.StoreToneText(3, kDecode, "254.1");
    commits.StoreFrequency(4, kReceive, base + "8", true);
    commits.StoreFrequency(4, kTransmit, base + "1", false);
    commits.StoreToneText(4, kDecode, "D754N");
    commits.StoreToneText(4, kEncode, "67.0");
    radio.state.Set(features::kPttIdType, 0);
    radio.table.SetListField(4, ChannelField::PttId, 1);
}

void ProgramParlaneChannels(ChannelTestRadio& radio)
{
    ChannelCommits commits(radio.table, radio.codec, radio.prompter);
    const bool vhf = radio.state.band.flag == 0;
    commits.StoreParlaneFrequency(0, vhf ? "(24) 154.60000" : "(03) 467.76250");
    commits.StoreParlaneTone(0, 5);
    commits.StoreParlaneFrequency(2, vhf ? "(04) 154.60000" : "(01) 464.50000");
    commits.StoreParlaneTone(2, 60);
    commits.StoreParlaneFrequency(3, vhf ? "(27) 158.40750" : "(56) 469.56250");
    radio.table.SetListField(3, ChannelField::TxPower, 0);
    radio.table.SetCheckField(3, ChannelField::Compander, true);
    radio.table.SetScanAdd(3, false);
}

TEST_P(ChannelCsvRoundTrip, ExportThenImportIntoANewDocumentGivesTheSameChannelBytes)
{
    const ModelLine line = GetParam();
    ChannelTestRadio radio(line.modelType, line.typeByte, line.fifteen);
    if (radio.state.IsParlane())
        ProgramParlaneChannels(radio);
    else
        ProgramLmrChannels(radio);
    // Both scan references on channel 1, which the export holds.
    radio.state.Set(scan::kPriorityChannel, 1);
    radio.state.Set(scan::kFixedChannel, 1);
    const std::string csv = ExportChannelCsv(radio.state, radio.catalog);
    ASSERT_EQ(csv.rfind(kHeader + "\r\n", 0), 0u) << csv;

    ChannelTestRadio fresh(line.modelType, line.typeByte, line.fifteen);
    fresh.state.Set(features::kPttIdType, radio.state.Get(features::kPttIdType));
    const ChannelCsvImport imported = ImportChannelCsv(csv, fresh.state, fresh.catalog);
    ASSERT_TRUE(imported.Imported()) << CsvProblemList(imported.problems, fresh.catalog) << csv;
    EXPECT_TRUE(imported.corrections.empty());
    EXPECT_EQ(ChannelBytes(imported.image), ChannelBytes(radio.state.image)) << csv;
    // Importing into the document it came from changes nothing at all.
    EXPECT_EQ(ImportChannelCsv(csv, radio.state, radio.catalog).image, radio.state.image);
}

INSTANTIATE_TEST_SUITE_P(EveryModelLine, ChannelCsvRoundTrip,
                         testing::Values(ModelLine{"LmrVhf8", 0, 0x15, false}, ModelLine{"LmrUhf2", 2, 0x80, false},
                                         ModelLine{"LmrUhfL16", 3, 0x8B, false}, ModelLine{"LmrUhfL15", 3, 0x8B, true},
                                         ModelLine{"ParlaneVhf8", 4, 0x15, false},
                                         ModelLine{"ParlaneUhf8", 6, 0x85, false},
                                         ModelLine{"ParlaneUhfL16", 7, 0x8B, false}),
                         test::CaseName());

TEST(ChannelCsvExport, WritesTheGenericColumnsOfAChannel)
{
    ChannelTestRadio radio(ChannelTestRadio::kLmrVhf, 0x15);
    ProgramLmrChannels(radio);
    const std::string csv = ExportChannelCsv(radio.state, radio.catalog);
    EXPECT_NE(csv.find("\r\n1,,151.500000,,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,"
                       "\"sig=0;spu=0;bcl=0;pttid=0;autodial=0;beat=0;comp=0;\",,,,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n2,,151.600000,+,0.300000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,NFM,6.25,S,Low,"
                       "\"sig=2;spu=2;bcl=3;pttid=0;autodial=5;beat=1;comp=1;\",,,,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n4,,151.712500,off,0.000000,Cross,88.5,254.1,023,NN,023,->Tone,"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n5,,151.800000,-,0.700000,Cross,67.0,88.5,023,NN,754,Tone->DTCS,"), std::string::npos)
        << csv;
}

class ChannelCsvImportTest : public testing::Test {
protected:
    ChannelCsvImport Import(const std::string& text) { return ImportChannelCsv(text, radio.state, radio.catalog); }

    ChannelTestRadio radio{ChannelTestRadio::kLmrVhf, 0x15};
};

TEST_F(ChannelCsvImportTest, TakesWhatOtherToolsWriteWithDefaultsForAbsentColumns)
{
    ChannelCommits(radio.table, radio.codec, radio.prompter).StoreFrequency(6, kReceive, "160", true);
    // Byte-order mark, semicolons, quoted fields and only the two required columns.
    const auto imported = Import("\xEF\xBB\xBF\"Frequency\";Location\n156.52;3\r\n\"151.000000\";\"1\"\n");
    ASSERT_TRUE(imported.Imported()) << CsvProblemList(imported.problems, radio.catalog);
    EXPECT_EQ(imported.channels, 2);
    radio.state.image = imported.image;
    EXPECT_EQ(radio.Text(0, kReceive), "151.00000");
    EXPECT_EQ(radio.Text(0, kTransmit), "151.00000");
    EXPECT_EQ(radio.Text(2, kReceive), "156.52000");
    // Channels absent from the file are gone.
    EXPECT_FALSE(radio.table.IsProgrammed(6));
    EXPECT_TRUE(radio.table.ScanAdd(0));
}

TEST_F(ChannelCsvImportTest, ScanReferencesToAChannelTheFileDropsMoveAsClearingItMovesThem)
{
    for (const int slot : {1, 2, 3})
        radio.Program(slot);
    radio.state.Set(scan::kPriorityChannel, 4);
    radio.state.Set(scan::kFixedChannel, 4);
    const auto imported = Import("Location,Frequency\n3,151\n6,152\n");
    ASSERT_TRUE(imported.Imported()) << CsvProblemList(imported.problems, radio.catalog);
    EXPECT_EQ(imported.image[scan::kPriorityChannel.offset], scan::kNoChannel);
    EXPECT_EQ(imported.image[scan::kFixedChannel.offset], 3);
    ASSERT_EQ(imported.corrections.size(), 2u);
    EXPECT_EQ(imported.corrections[0].messageId, messages::channellist::kReferenceChannelGone);
    EXPECT_EQ(imported.corrections[0].detail, "4 -> None");
    EXPECT_EQ(imported.corrections[1].detail, "4 -> 3");
}

TEST_F(ChannelCsvImportTest, CorrectsOffStepValuesAsTypingDoesAndSaysSo)
{
    const auto imported = Import("Location,Frequency,Tone,rToneFreq\n1,151.0031,Tone,300\n");
    ASSERT_TRUE(imported.Imported()) << CsvProblemList(imported.problems, radio.catalog);
    ASSERT_EQ(imported.corrections.size(), 2u);
    EXPECT_EQ(imported.corrections[0].messageId, messages::channellist::kCorrectedTone);
    EXPECT_EQ(imported.corrections[0].detail, "300 -> 254.1");
    EXPECT_EQ(imported.corrections[1].messageId, messages::channellist::kCorrectedToStep);
    EXPECT_EQ(imported.corrections[1].detail, "151.003100 -> 151.00000");
    EXPECT_EQ(imported.corrections[1].column, "Frequency");
}

TEST_F(ChannelCsvImportTest, AForeignCommentStaysOutOfTheImage)
{
    const auto imported = Import("Location,Frequency,Comment\n1,151.5,\"repeater; sig=2\"\n2,151.6,sig=1;\n");
    ASSERT_TRUE(imported.Imported()) << CsvProblemList(imported.problems, radio.catalog);
    EXPECT_EQ(ChannelRecord(const_cast<ImageBytes&>(imported.image), 0).Get(channels::record::kOptionSignalling), 0u);
    EXPECT_EQ(ChannelRecord(const_cast<ImageBytes&>(imported.image), 1).Get(channels::record::kOptionSignalling), 1u);
}

TEST_F(ChannelCsvImportTest, StopsAtTheFirstRowPastTheChannelsAndListsTwentyProblems)
{
    std::string text = "Location,Frequency\n";
    for (int row = 0; row < 100000; ++row)
        text += "A,151\n";
    const auto imported = Import(text);
    ASSERT_EQ(imported.problems.size(), 9u); // where reading stopped, and the eight rows read
    EXPECT_EQ(imported.problems.front(), (CsvProblem{10, {}, messages::channellist::kTooManyChannels, "8"}));

    std::vector<int> ids{messages::channellist::kMoreProblems};
    radio.catalog.LoadText(ids, "^#003900866\nand %d more.\n");
    const std::string list = CsvProblemList(std::vector<CsvProblem>(25, imported.problems.front()), radio.catalog);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 21);
    EXPECT_TRUE(list.ends_with("\nand 5 more.\n")) << list;
}

struct Refusal {
    const char* name;
    std::string text;
    int line;
    std::string column;
    int messageId;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class ChannelCsvRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(ChannelCsvRefusal, ListsTheProblemAndImportsNothing)
{
    const Refusal refusal = GetParam();
    const bool parlane = std::string(refusal.name).starts_with("Parlane");
    ChannelTestRadio radio(parlane ? ChannelTestRadio::kParlaneVhf : ChannelTestRadio::kLmrVhf, 0x15);
    const auto imported = ImportChannelCsv(refusal.text, radio.state, radio.catalog);
    EXPECT_FALSE(imported.Imported());
    const CsvProblem expected{refusal.line, refusal.column, refusal.messageId, {}};
    const bool listed = std::any_of(imported.problems.begin(), imported.problems.end(), [&](const CsvProblem& p) {
        return p.line == expected.line && p.column == expected.column && p.messageId == expected.messageId;
    });
    EXPECT_TRUE(listed) << CsvProblemList(imported.problems, radio.catalog);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BadInput, ChannelCsvRefusal, testing::Values(
    Refusal{"MissingFrequencyColumn", "Location,Name\n1,x\n", 1, "Frequency", messages::channellist::kMissingColumn},
    Refusal{"MissingLocationColumn", "Frequency\n151\n", 1, "Location", messages::channellist::kMissingColumn},
    Refusal{"DoubledColumn", "Location,Frequency,Frequency\n1,151,152\n", 1, "Frequency", messages::channellist::kDuplicateColumn},
    Refusal{"HeaderOnly", "Location,Frequency\n", 0, "", messages::channellist::kNoChannels},
    Refusal{"LineOfSeparators", "Location,Frequency\n1" + std::string(5000, ',') + "\n", 2, "", messages::channellist::kFieldCount},
    Refusal{"EmptyFile", "", 0, "", messages::channellist::kNoHeader},
    Refusal{"NotUtf8", "Location,Frequency\n1,151\xff\n", 0, "", messages::channellist::kNotUtf8},
    Refusal{"LoneCarriageReturn", "Location,Frequency\r1,151\r", 1, "", messages::channellist::kLoneCarriageReturn},
    Refusal{"UnclosedQuote", "Location,Frequency\n1,\"151\n", 2, "", messages::channellist::kUnclosedQuote},
    Refusal{"ShortRow", "Location,Frequency,Mode\n1,151\n", 2, "", messages::channellist::kFieldCount},
    Refusal{"LocationNotANumber", "Location,Frequency\nA,151\n", 2, "Location", messages::channellist::kNotANumber},
    Refusal{"LocationZero", "Location,Frequency\n0,151\n", 2, "Location", messages::channellist::kNoSuchLocation},
    Refusal{"LocationBeyondModel", "Location,Frequency\n9,151\n", 2, "Location", messages::channellist::kNoSuchLocation},
    Refusal{"DuplicateLocation", "Location,Frequency\n1,151\n1,152\n", 3, "Location", messages::channellist::kDuplicateLocation},
    Refusal{"TooManyChannels", "Location,Frequency\n1,151\n2,151\n3,151\n4,151\n5,151\n6,151\n7,151\n8,151\n8,151\n",
            10, "", messages::channellist::kTooManyChannels},
    Refusal{"DecimalComma", "Location;Frequency\n1;151,5\n", 2, "Frequency", messages::channellist::kNotANumber},
    Refusal{"EmptyFrequency", "Location,Frequency\n1,\n", 2, "Frequency", messages::channellist::kNotANumber},
    Refusal{"WrongBand", "Location,Frequency\n1,446.5\n", 2, "Frequency", messages::channellist::kOutOfBand},
    Refusal{"TransmitOutOfBand", "Location,Frequency,Duplex,Offset\n1,173,+,5\n", 2, "Duplex", messages::channellist::kOutOfBand},
    Refusal{"SplitOutOfBand", "Location,Frequency,Duplex,Offset\n1,151,split,446\n", 2, "Offset", messages::channellist::kOutOfBand},
    Refusal{"UnknownDuplex", "Location,Frequency,Duplex\n1,151,up\n", 2, "Duplex", messages::channellist::kUnknownValue},
    Refusal{"BadOffset", "Location,Frequency,Duplex,Offset\n1,151,+,0.6MHz\n", 2, "Offset", messages::channellist::kNotANumber},
    Refusal{"UnknownToneMode", "Location,Frequency,Tone\n1,151,CTCSS\n", 2, "Tone", messages::channellist::kUnknownValue},
    Refusal{"UnknownCrossMode", "Location,Frequency,Tone,CrossMode\n1,151,Cross,Tone->Tone->\n", 2, "CrossMode", messages::channellist::kUnknownValue},
    Refusal{"BadPolarity", "Location,Frequency,Tone,DtcsPolarity\n1,151,DTCS,NX\n", 2, "DtcsPolarity", messages::channellist::kUnknownValue},
    Refusal{"BadDtcsCode", "Location,Frequency,Tone,DtcsCode\n1,151,DTCS,23\n", 2, "DtcsCode", messages::channellist::kUnknownValue},
    Refusal{"UntypableTone", "Location,Frequency,Tone,rToneFreq\n1,151,Tone,88.5Hz\n", 2, "rToneFreq", messages::channellist::kNotATone},
    Refusal{"EncodeWithoutTransmit", "Location,Frequency,Duplex,Tone\n1,151,off,Tone\n", 2, "Tone", messages::channellist::kNeedsTransmit},
    Refusal{"UnknownMode", "Location,Frequency,Mode\n1,151,AM\n", 2, "Mode", messages::channellist::kUnknownValue},
    Refusal{"UnknownPower", "Location,Frequency,Power\n1,151,5.0W\n", 2, "Power", messages::channellist::kUnknownValue},
    Refusal{"UnknownSkip", "Location,Frequency,Skip\n1,151,P\n", 2, "Skip", messages::channellist::kUnknownValue},
    Refusal{"CommentValueNotOffered", "Location,Frequency,Comment\n1,151,spu=2;\n", 2, "Comment", messages::channellist::kNotOffered},
    Refusal{"PttIdWithoutTransmit", "Location,Frequency,Duplex,Comment\n1,151,off,pttid=1;\n", 2, "Comment", messages::channellist::kNeedsTransmit},
    Refusal{"ParlaneFrequencyNotListed", "Location,Frequency\n1,151.5\n", 2, "Frequency", messages::channellist::kNotInFrequencyList},
    Refusal{"ParlaneSplit", "Location,Frequency,Duplex,Offset\n1,151.625,+,1\n", 2, "Duplex", messages::channellist::kNotOffered},
    Refusal{"ParlaneCrossTone", "Location,Frequency,Tone,rToneFreq\n1,151.625,Tone,88.5\n", 2, "Tone", messages::channellist::kNotOffered},
    Refusal{"ParlaneToneNotListed", "Location,Frequency,Tone,cToneFreq\n1,151.625,TSQL,88.6\n", 2, "cToneFreq", messages::channellist::kNotInToneList}),
    test::CaseName());
// clang-format on

} // namespace
} // namespace qtr
