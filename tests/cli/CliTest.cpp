#include "ProgramFolder.h"
#include "core/document/DataFile.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace qtr {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    // `environment` goes before the command, as "NAME=value ".
    CliRun Cli(const std::string& arguments, const std::string& environment = "")
    {
        const std::string errPath = folder.File("stderr.txt");
        CliRun run = Capture(environment + test::CliPath() + " " + arguments + " 2>" + errPath);
        const auto err = test::TempFolder::ReadBytes(errPath);
        run.err.assign(err.begin(), err.end());
        return run;
    }

    // The standard output and exit status of a shell command.
    static CliRun Capture(const std::string& command)
    {
        CliRun run;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int status = pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }
    // A PDF's text as pdftotext lays it out; each page ends in a form feed.
    static std::string PdfText(const std::string& path) { return Capture("pdftotext -layout " + path + " -").out; }

    static void ExpectOneErrorLine(const CliRun& run)
    {
        EXPECT_NE(run.status, 0);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("qtr31x-cli: ", 0), 0u) << run.err;
    }

    test::TempFolder folder;
};

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    const auto version = Cli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "qtr31x-cli " QTR_VERSION "\n");
    const auto help = Cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("qtr31x-cli --help | --version"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
}

TEST_F(CliTest, NewWritesTheFactoryImageOfEveryModelAndClass)
{
    for (int model = 0; model < kModelTypeCount; ++model) {
        for (const int channels : {2, 8, 15, 16}) {
            const auto record = ModelRecordFor(model, channels);
            if (!record)
                continue;
            const std::string path = folder.File(std::to_string(model) + "_" + std::to_string(channels) + ".dat");
            const CliRun run = Cli("new --model " + std::to_string(model) + " --channels " +
                                std::to_string(channels) + " " + path);
            ASSERT_EQ(run.status, 0) << run.err;

            RadioState state;
            state.currentModel = *record;
            BuildImageForCurrentModel(state);
            EXPECT_EQ(test::TempFolder::ReadBytes(path), datafile::Build(state.image, datafile::MagicFor(state.image)))
                << model << " " << channels;
        }
    }
}

TEST_F(CliTest, NewAcceptsModelNamesInEitherSpacing)
{
    EXPECT_EQ(Cli("new --model 'RB-8100L  Parlane (UHF)' --channels 15 " + folder.File("a.dat")).status, 0);
    EXPECT_EQ(Cli("new --model 'rb-8100l parlane (uhf)' --channels 15 " + folder.File("b.dat")).status, 0);
    EXPECT_EQ(test::TempFolder::ReadBytes(folder.File("a.dat")), test::TempFolder::ReadBytes(folder.File("b.dat")));
    const auto bytes = test::TempFolder::ReadBytes(folder.File("a.dat"));
    EXPECT_EQ(std::string(bytes.begin() + 16 + 440, bytes.begin() + 16 + 445), "P81L1");
}

TEST_F(CliTest, BadInputIsOneErrorLineAndWritesNothing)
{
    const std::string out = folder.File("out.dat");
    const std::string cases[] = {
        "new --model 9 --channels 2 " + out,
        "new --model 'RB-9100 LMR (VHF)' --channels 2 " + out,
        "new --model 0 --channels 16 " + out,
        "new --model 2 --channels 15 " + out,
        "new --model 0 --channels two " + out,
        "new --model 0 " + out,
        "new --model 0 --channels 2",
        "new --model 0 --channels 2 --colour red " + out,
        "new --model 0 --channels 2 " + folder.File("no-such-folder/out.dat"),
        "frobnicate " + out,
        "new --model",
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments);
        ExpectOneErrorLine(Cli(arguments));
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()) ||
                std::filesystem::exists(folder.File("stderr.txt")));
}

TEST_F(CliTest, NewRefusesToReplaceAFileUnlessForced)
{
    const std::string path = folder.File("radio.dat");
    test::TempFolder::WriteBytes(path, {1, 2, 3});
    ExpectOneErrorLine(Cli("new --model 0 --channels 2 " + path));
    EXPECT_EQ(test::TempFolder::ReadBytes(path).size(), 3u);
    EXPECT_EQ(Cli("new --model 0 --channels 2 --force " + path).status, 0);
    EXPECT_EQ(test::TempFolder::ReadBytes(path).size(), datafile::kFileSize);
}

TEST_F(CliTest, ShowPrintsTheGridTextsOfTheChannels)
{
    const std::string path = folder.File("uhf16.dat");
    ASSERT_EQ(Cli("new --model 7 --channels 16 " + path).status, 0);
    const CliRun run = Cli("show " + path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("RB-8100L Parlane (UHF)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("16 (S)"), std::string::npos);
    EXPECT_NE(run.out.find("(01) 464.50000"), std::string::npos);
    EXPECT_NE(run.out.find("(01) 67.0"), std::string::npos);
    EXPECT_NE(run.out.find("460.05000 / 460.10000"), std::string::npos);
}

TEST_F(CliTest, ShowShowsLmrChannelsWithTheirOptionColumns)
{
    RadioState state;
    state.currentModel = *ModelRecordFor(0, 8);
    BuildImageForCurrentModel(state);
    const std::uint8_t channel[16] = {0x00, 0x20, 0x18, 0x15, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0x13, 0x28, 0xFF, 0xFF, 0x00, 0x3F, 0x7F, 0xF8};
    std::copy(std::begin(channel), std::end(channel), state.image.begin() + 16);
    state.image[380] = 1;
    const std::string path = folder.File("lmr.dat");
    ASSERT_FALSE(datafile::Write(path, state.image, "ZR5816"));
    const CliRun run = Cli("show " + path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("151.82000"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("D023N"), std::string::npos);
    EXPECT_NE(run.out.find("Free Area (Bytes): 112"), std::string::npos);
}

TEST_F(CliTest, ShowRefusesDamagedFiles)
{
    ExpectOneErrorLine(Cli("show " + folder.File("missing.dat")));
    test::TempFolder::WriteBytes(folder.File("short.dat"), {'Z', 'R', '5', '8', '1', '6', 'B'});
    ExpectOneErrorLine(Cli("show " + folder.File("short.dat")));
    std::vector<std::uint8_t> wrong(datafile::kFileSize, 0xFF);
    test::TempFolder::WriteBytes(folder.File("wrong.dat"), wrong);
    const CliRun run = Cli("show " + folder.File("wrong.dat"));
    ExpectOneErrorLine(run);
    EXPECT_TRUE(run.out.empty());
}

TEST_F(CliTest, ShowRefusesAFileWhoseModelIdentityIsDamaged)
{
    RadioState state;
    state.currentModel = *ModelRecordFor(0, 8);
    BuildImageForCurrentModel(state);
    auto bytes = datafile::Build(state.image, datafile::MagicFor(state.image));
    bytes[datafile::kHeaderSize + 445] = 0x8B; // 15/16 channels on a VHF model
    const std::string path = folder.File("damaged.dat");
    test::TempFolder::WriteBytes(path, bytes);
    const CliRun run = Cli("show " + path);
    ExpectOneErrorLine(run);
    EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("damaged"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("does not exist on its model"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

// Nothing about the desktop program's menus: the tool has none.
TEST_F(CliTest, APortThatCannotBeOpenedIsOneLineNamingTheDeviceAndTheReason)
{
    std::filesystem::create_directories(folder.File("config/HALVERN"));
    const std::string lines = "[Ports]\nCOM3=/some/device\nCOM4=" + folder.File("config/HALVERN/QTR31X.conf") + "\n";
    test::TempFolder::WriteBytes(folder.File("config/HALVERN/QTR31X.conf"), {lines.begin(), lines.end()});
    const std::string settings = "XDG_CONFIG_HOME=" + folder.File("config") + " ";

    const CliRun missing = Cli("info --port 3", settings);
    EXPECT_NE(missing.status, 0);
    EXPECT_EQ(missing.err, "qtr31x-cli: cannot open /some/device: no device (No such file or directory)\n");
    const CliRun notSerial = Cli("info --port 4", settings);
    EXPECT_EQ(notSerial.err, "qtr31x-cli: cannot open " + folder.File("config/HALVERN/QTR31X.conf") +
                                 ": not a serial device\n");
}

TEST_F(CliTest, ChannelListsGoOutAndComeBackAsCsv)
{
    const std::string data = folder.File("a.dat");
    const std::string csv = folder.File("a.csv");
    ASSERT_EQ(Cli("new --model 3 --channels 15 " + data).status, 0);
    test::TempFolder::WriteBytes(csv, {});
    ExpectOneErrorLine(Cli("export-csv " + data + " " + csv)); // no --force: kept
    const std::string list = "Location,Frequency,Duplex,Offset,Tone,cToneFreq\r\n2,461.0375,+,5,TSQL,100\r\n"
                             "15,462.5,,,,\r\n";
    std::ofstream(csv, std::ios::binary) << list;
    const CliRun imported = Cli("import-csv " + data + " " + csv);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(imported.err.empty()) << imported.err;
    EXPECT_EQ(imported.out, "2 channels imported from " + csv + ".\n");
    const CliRun shown = Cli("show " + data);
    EXPECT_NE(shown.out.find("2        | 461.03750 | 466.03750 | 100.0 | 100.0 |"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("15       | 462.50000 | 462.50000 |"), std::string::npos) << shown.out;

    EXPECT_EQ(Cli("export-csv --force " + data + " " + csv).status, 0);
    const auto exported = test::TempFolder::ReadBytes(csv);
    const std::string text(exported.begin(), exported.end());
    EXPECT_EQ(text.rfind("Location,Name,Frequency,Duplex,Offset,Tone,", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n2,,461.037500,+,5.000000,TSQL,100.0,100.0,"), std::string::npos) << text;
    // The exported list imported again leaves the file as it was.
    const auto before = test::TempFolder::ReadBytes(data);
    EXPECT_EQ(Cli("import-csv " + data + " " + csv).status, 0);
    EXPECT_EQ(test::TempFolder::ReadBytes(data), before);
}

TEST_F(CliTest, ABadChannelListIsListedAndChangesNothing)
{
    const std::string data = folder.File("a.dat");
    const std::string csv = folder.File("bad.csv");
    ASSERT_EQ(Cli("new --model 0 --channels 8 " + data).status, 0);
    const auto before = test::TempFolder::ReadBytes(data);
    std::ofstream(csv, std::ios::binary) << "Location,Frequency\n1,446.5\n1,151,x\n9,151\n";
    const CliRun run = Cli("import-csv " + data + " " + csv);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qtr31x-cli: " + csv + ": The channel list was not imported; nothing was changed.\n"
                       "line 2, Frequency: Outside the band of the model: 446.500000\n"
                       "line 3: The line does not have one field per column (fields / columns): 3 / 2\n"
                       "line 4, Location: Not a channel of the model: 9 (1-8)\n");
    EXPECT_EQ(test::TempFolder::ReadBytes(data), before);
    ExpectOneErrorLine(Cli("import-csv " + data + " " + folder.File("missing.csv")));
}

TEST_F(CliTest, WhatIsNoChannelListIsRefusedInOneLine)
{
    const std::string data = folder.File("a.dat");
    ASSERT_EQ(Cli("new --model 0 --channels 8 " + data).status, 0);
    const auto before = test::TempFolder::ReadBytes(data);
    ASSERT_EQ(::mkfifo(folder.File("pipe.csv").c_str(), 0600), 0);
    std::ofstream(folder.File("empty.csv")) << "Location,Frequency\n";
    std::ofstream(folder.File("twice.csv")) << "Location,Frequency,Frequency\n1,151,152\n";
    const struct {
        std::string input;
        std::string error;
    } cases[] = {
        {folder.Path(), "It is a folder, not a file."},
        {folder.File("pipe.csv"), "It is not a regular file (a device, a pipe or a socket)."},
        {folder.File("missing.csv"), "Cannot read the file. No such file or directory"},
        {folder.File("empty.csv"), "The file holds no channels.\n"
                                   "Use --allow-empty to import it all the same, which removes every channel."},
    };
    for (const auto& [input, error] : cases) {
        const CliRun run = Cli("import-csv " + data + " " + input);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "qtr31x-cli: " + input + ": " + error + "\n");
    }
    EXPECT_NE(Cli("import-csv " + data + " " + folder.File("twice.csv")).err.find(
                  "line 1, Frequency: The column appears more than once in the header line."),
              std::string::npos);
    EXPECT_EQ(test::TempFolder::ReadBytes(data), before);
    EXPECT_EQ(Cli("import-csv --allow-empty " + data + " " + folder.File("empty.csv")).out,
              "0 channels imported from " + folder.File("empty.csv") + ".\n");
}

TEST_F(CliTest, DiffNamesEachDifferingSettingAndExitsByTheResult)
{
    const std::string a = folder.File("a.dat");
    const std::string b = folder.File("b.dat");
    ASSERT_EQ(Cli("new --model 0 --channels 8 " + a).status, 0);
    ASSERT_EQ(Cli("new --model 0 --channels 8 " + b).status, 0);
    const CliRun same = Cli("diff " + a + " " + b);
    EXPECT_EQ(same.status, 0);
    EXPECT_TRUE(same.out.empty());

    datafile::ReadResult read = datafile::Read(b);
    ImageBytes image = read.image;
    image[768] = 'H'; // the first character of the embedded message
    image[900] ^= 0x01; // a byte of the radio's own that no setting shows
    for (std::size_t offset = 904; offset < 908; ++offset)
        image[offset] ^= 0x01; // a run of them is one line
    ASSERT_FALSE(datafile::Write(b, image, datafile::MagicFor(image)));
    const CliRun different = Cli("diff " + a + " " + b);
    EXPECT_EQ(different.status, 1);
    char offset[64];
    std::snprintf(offset, sizeof offset, "offset 0x384: %02X -> %02X\n", read.image[900], image[900]);
    EXPECT_EQ(different.out,
              "Embedded Message 1: (empty) -> H\n" + std::string(offset) + "0x388-0x38B: 4 bytes differ\n");

    const CliRun bad = Cli("diff " + a + " " + folder.File("missing.dat"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "qtr31x-cli: cannot open " + folder.File("missing.dat") + ": No such file or directory\n");
    EXPECT_EQ(Cli("diff " + a).status, 2);
}

TEST_F(CliTest, PrintWritesThePagesOfTheChosenSectionsAsPdf)
{
    const std::string data = folder.File("parlane.dat");
    ASSERT_EQ(Cli("new --model 7 --channels 8 " + data).status, 0);
    const std::string pdf = folder.File("parlane.pdf");
    const auto all = Cli("print " + data + " --pdf " + pdf, "QT_QPA_PLATFORM= ");
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_TRUE(all.err.empty()) << all.err;
    // Parlane: five sections and two pages of channels; DTMF and Vantalink never.
    const std::string text = PdfText(pdf);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 7) << text;
    EXPECT_NE(text.find("RB-8100L Parlane (UHF)"), std::string::npos);
    EXPECT_NE(text.find("parlane.dat"), std::string::npos);
    EXPECT_EQ(text.find("DTMF\n"), std::string::npos);

    const auto chosen = Cli("print " + data + " --pdf " + pdf + " --sections keys,message");
    EXPECT_EQ(chosen.status, 0) << chosen.err;
    const std::string two = PdfText(pdf);
    EXPECT_EQ(std::count(two.begin(), two.end(), '\f'), 2) << two;
}

TEST_F(CliTest, PrintRefusesABadSectionListOrAnUnwritablePathInOneLine)
{
    const std::string data = folder.File("lmr.dat");
    ASSERT_EQ(Cli("new --model 3 --channels 16 " + data).status, 0);
    const std::string pdf = folder.File("out.pdf");
    for (const std::string sections : {"keys,bogus", "", ",", "Keys"}) {
        const auto run = Cli("print " + data + " --pdf " + pdf + " --sections '" + sections + "'");
        ExpectOneErrorLine(run);
        EXPECT_NE(run.err.find("--sections"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    const std::string unwritable = folder.File("no-such-folder/out.pdf");
    const auto run = Cli("print " + data + " --pdf " + unwritable);
    ExpectOneErrorLine(run);
    EXPECT_NE(run.err.find(unwritable + ": No such file or directory"), std::string::npos) << run.err;
    ExpectOneErrorLine(Cli("print " + data));
    ExpectOneErrorLine(Cli("print --pdf " + pdf));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2) << "lmr.dat, stderr.txt";
}

} // namespace
} // namespace qtr
