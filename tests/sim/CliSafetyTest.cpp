#include "ProgramFolder.h"
#include "RadioPair.h"
#include "TempFolder.h"
#include "core/app/FleetLog.h"
#include "core/base/Sha256.h"
#include "core/document/DataFile.h"
#include "core/link/TextFields.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <poll.h>
#include <regex>
#include <set>
#include <thread>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qtr {
namespace {

constexpr const char* kNextRadio = "Connect the next radio and press Enter, or end the input to stop.\n";

// The command-line tool run with a pipe on its standard input and output, so that a test
// can answer it line by line.
class Conversation {
public:
    explicit Conversation(const std::vector<std::string>& arguments, const std::string& errPath)
    {
        int in[2];
        int out[2];
        if (pipe(in) != 0 || pipe(out) != 0)
            throw std::runtime_error("no pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> words{test::CliPath()};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, words.front().c_str(), &actions, nullptr, argv.data(), environ) != 0)
            throw std::runtime_error("cannot start the tool");
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        input_ = in[1];
        output_ = out[0];
    }
    ~Conversation()
    {
        EndInput();
        close(output_);
        if (pid_ > 0)
            waitpid(pid_, nullptr, 0);
    }

    // Everything the tool printed up to and including `text`; empty when it did not come
    // within the time.
    std::string ReadUntil(const std::string& text, int timeoutMs = 20000)
    {
        for (;;) {
            if (const auto at = seen_.find(text); at != std::string::npos) {
                std::string part = seen_.substr(0, at + text.size());
                seen_.erase(0, at + text.size());
                return part;
            }
            pollfd entry{output_, POLLIN, 0};
            if (poll(&entry, 1, timeoutMs) <= 0)
                return {};
            char buffer[512];
            const ssize_t n = read(output_, buffer, sizeof buffer);
            if (n <= 0)
                return {};
            seen_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    void PressEnter() { static_cast<void>(write(input_, "\n", 1)); }
    void Signal(int signal) { kill(pid_, signal); }
    // All the tool printed and nobody read yet, once it has ended.
    std::string Rest()
    {
        ReadUntil("\x01", 2000);
        return seen_;
    }
    void EndInput()
    {
        if (input_ >= 0)
            close(input_);
        input_ = -1;
    }
    int Status()
    {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string seen_;
};

// The log's lines, without their line ends.
std::vector<std::string> Lines(const std::string& path)
{
    const auto bytes = test::TempFolder::ReadBytes(path);
    auto lines = SplitFields(std::string(bytes.begin(), bytes.end()), '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    return lines;
}

// The command-line tool's guards: --verify, --backup and the clone verb.
class CliSafetyTest : public testing::Test {
protected:
    // The port the tool opens: a link that the test points at one radio after another.
    void Connect(const sim::RadioSimulator& radio)
    {
        std::filesystem::remove(port);
        std::filesystem::create_symlink(radio.SlavePath(), port);
    }

    int Run(const std::string& arguments)
    {
        const int status = std::system((test::CliPath() + " " + arguments + " >" + folder.File("out.txt") +
                                        " 2>" + folder.File("err.txt"))
                                           .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Standard output and error together.
    std::string Said() const
    {
        auto bytes = test::TempFolder::ReadBytes(folder.File("out.txt"));
        const auto err = test::TempFolder::ReadBytes(folder.File("err.txt"));
        bytes.insert(bytes.end(), err.begin(), err.end());
        return {bytes.begin(), bytes.end()};
    }
    std::vector<std::filesystem::path> FilesIn(const std::string& path) const
    {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            found.push_back(entry.path());
        return found;
    }

    test::TempFolder folder;
    std::string port = folder.File("port");
    std::string file = folder.File("fleet.dat");
    std::string log = folder.File("fleet.csv");
};

TEST_F(CliSafetyTest, ProgramsAFleetRadioByRadioRefusingAnotherModelSkippingARepeatAndSurvivingAHangUp)
{
    const auto fleet = test::Radio("P8100", {}, 'B').Series(3);
    sim::RadioSimulator first(fleet[0]);
    first.Start();
    Connect(first);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    auto bytes = test::TempFolder::ReadBytes(file);
    const std::string message = "FLEET 7";
    std::copy(message.begin(), message.end(), bytes.begin() + datafile::kHeaderSize + 768);
    test::TempFolder::WriteBytes(file, bytes);
    const std::vector<std::uint8_t> image(bytes.begin() + datafile::kHeaderSize, bytes.end());

    const auto otherProfile = test::Radio("P7100", {}, 'B').Series(2)[1];
    sim::RadioSimulator other(otherProfile);
    other.Start();
    auto hangingProfile = fleet[2];
    hangingProfile.faults.push_back({sim::Step::WriteBlock, sim::FaultKind::HangUp, 5});
    sim::RadioSimulator hanging(hangingProfile);
    hanging.Start();

    Conversation tool({"clone", "--port", port, file, "--log", log, "--verify"}, folder.File("err.txt"));
    EXPECT_EQ(tool.ReadUntil(kNextRadio), "radio 1: P8100 12345678ABCD 0042 SIM-01: verified\n" + std::string(kNextRadio));
    const ImageBytes written = first.Memory();
    EXPECT_EQ(std::string(written.begin() + 768, written.begin() + 775), message);

    Connect(other);
    tool.PressEnter();
    EXPECT_EQ(tool.ReadUntil(kNextRadio), "radio 2: P7100 12345678ABCD 0042 SIM-02: refused (another model: the "
                                          "radio is P7100, the file is for P8100)\n" +
                                              std::string(kNextRadio));
    const auto heard = other.Received();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), wire::kDataBlock), 0);
    EXPECT_NE(std::string(heard.begin(), heard.end()).find("NRK"), std::string::npos);
    EXPECT_EQ(other.Memory(), otherProfile.memory);

    Connect(first);
    tool.PressEnter();
    EXPECT_EQ(tool.ReadUntil(kNextRadio), "skipped: 12345678ABCD 0042 SIM-01 was handled already in this run; connect "
                                          "the next radio\n" + std::string(kNextRadio));

    Connect(hanging);
    tool.PressEnter();
    EXPECT_EQ(tool.ReadUntil(kNextRadio), "radio 3: P8100 12345678ABCD 0042 SIM-03: failed (communication with the "
                                          "radio failed (Writing block 6 of 49); the radio may hold a partial image)\n" +
                                              std::string(kNextRadio));
    EXPECT_TRUE(hanging.HungUp());
    tool.EndInput();
    EXPECT_EQ(tool.Rest(), "1 written, 1 verified, 1 refused, 1 failed\n");
    EXPECT_EQ(tool.Status(), 1);

    const auto rows = Lines(log);
    ASSERT_EQ(rows.size(), 5u); // the header, three radios and the end of the last line
    EXPECT_EQ(rows[0], FleetLog::kHeader);
    const std::string sha = Sha256Hex(image);
    const std::vector<std::string> results{"verified", "refused", "failed"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto fields = SplitFields(rows[i + 1], ',');
        ASSERT_GE(fields.size(), 13u) << rows[i + 1];
        EXPECT_EQ(fields[0].size(), std::string("2026-12-07T14:40:14+00:00").size()) << fields[0];
        EXPECT_EQ(fields[0][10], 'T');
        EXPECT_EQ(fields[0][22], ':');
        EXPECT_EQ(fields[1], port);
        EXPECT_EQ(fields[2], i == 1 ? "P7100" : "P8100");
        EXPECT_EQ(fields[3], "12345678ABCD 0042 SIM-0" + std::to_string(i + 1));
        EXPECT_EQ(fields[4], file);
        EXPECT_EQ(fields[5], i == 1 ? "" : sha); // nothing was written to the refused radio
        EXPECT_EQ(fields[6], results[i]);
        EXPECT_EQ(fields[7].empty(), i == 0); // a verified radio has no reason
        EXPECT_EQ(fields[fields.size() - 2], i == 0 ? "yes" : "no");
    }
    EXPECT_EQ(rows[4], "");
}

// A signal lets the block under way finish: programming mode ends, one line says what the
// radio holds, the clone log gets its row, and the status is the signal's.
TEST_F(CliSafetyTest, ASignalStopsATransferAfterItsBlockAndSaysWhatTheRadioHolds)
{
    using Radio = sim::RadioSimulator;
    const auto heard = [](std::size_t bytes) { return [bytes](const Radio& r) { return r.Received().size() >= bytes; }; };
    const auto sent = [](std::size_t bytes) { return [bytes](const Radio& r) { return r.SentCount() >= bytes; }; };
    struct Point {
        std::string command; // between the tool and --port
        std::function<bool(const Radio&)> reached;
        int signal;
        std::string said; // the one line, as a pattern
        bool memoryKept;
    };
    const std::string partial = "stopped after block [0-9]+ of 49: the radio holds a partial image; write it again\n";
    const Point points[] = {
        {"write " + file, heard(300), SIGINT, "^qtr31x-cli: " + partial + "$", false},
        {"write --verify " + file, sent(400), SIGTERM,
         "^qtr31x-cli: stopped after block [0-9]+ of 13 of the read-back: the radio holds the whole image, not "
         "checked to the end\n$",
         false},
        {"write --backup " + folder.File("backups") + " " + file, sent(200), SIGHUP,
         "^qtr31x-cli: stopped after block [0-9]+ of 16 of reading the radio's memory before writing: nothing was "
         "written; the radio is unchanged\n$",
         true},
        {"read --force " + file, sent(300), SIGINT,
         "^qtr31x-cli: stopped after block [0-9]+ of 16: nothing was saved from this read; the radio is unchanged\n$",
         true},
        // A fleet's radio is finished, and no other one taken.
        {"clone --log " + log + " " + file, heard(300), SIGTERM,
         "^radio 1: P7100 12345678ABCD 0042 SIM-01: written\n1 written, 0 verified, 0 refused, 0 failed\n$", false},
        {"adjustments", heard(20), SIGINT,
         "^qtr31x-cli: stopped while reading the adjustment values: test mode ended; the radio is unchanged\n$", true},
    };
    auto profile = test::Radio("P7100");
    profile.paced = true;
    Radio source(profile);
    source.Start();
    Connect(source);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    const auto fileBefore = test::TempFolder::ReadBytes(file);
    // The radios hold other bytes in the first block than the file, so a write shows at once.
    auto target = profile;
    std::fill_n(target.memory.begin(), 8, 0x5A);
    for (const Point& point : points) {
        Radio radio(target);
        radio.Start();
        Connect(radio);
        auto words = SplitFields(point.command, ' ');
        words.insert(words.begin() + 1, {"--port", port});
        Conversation tool(words, folder.File("err.txt"));
        while (!point.reached(radio))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        tool.Signal(point.signal);
        EXPECT_EQ(tool.Status(), 128 + point.signal) << point.command;
        const auto err = test::TempFolder::ReadBytes(folder.File("err.txt"));
        const std::string said = std::string(err.begin(), err.end()) + tool.Rest();
        EXPECT_TRUE(std::regex_search(said, std::regex(point.said))) << point.command << ": " << said;
        // The radio acts on the 'E' it heard.
        EXPECT_TRUE(radio.WaitUntil([](const Radio& r) { return !r.InProgrammingMode() && !r.TestMode().active; },
                                    test::kHangBound))
            << point.command;
        EXPECT_EQ(radio.Memory() == target.memory, point.memoryKept) << point.command;
        EXPECT_EQ(test::TempFolder::ReadBytes(file), fileBefore) << point.command;
    }
    const auto rows = Lines(log);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[1].find(",written,"), std::string::npos) << rows[1];
}

// A log row that cannot be written is an error of its own; the radio's result is still told.
TEST_F(CliSafetyTest, ALogRowThatCannotBeWrittenFailsTheRun)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    radio.Start();
    Connect(radio);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    EXPECT_EQ(Run("clone --port " + port + " " + file + " --log /dev/full </dev/null"), 1);
    const std::string said = Said();
    EXPECT_NE(said.find("radio 1: P7100 12345678ABCD 0042 SIM-01: written\n"), std::string::npos) << said;
    EXPECT_NE(said.find("qtr31x-cli: cannot write the log /dev/full: No space left on device\n"), std::string::npos)
        << said;
}

TEST_F(CliSafetyTest, AppendsToTheLogAndSucceedsWhenEveryRadioWasWritten)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    radio.Start();
    Connect(radio);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    const std::string earlier = std::string(FleetLog::kHeader) + "\nearlier,row\n";
    test::TempFolder::WriteBytes(log, {earlier.begin(), earlier.end()});
    EXPECT_EQ(Run("clone --port " + port + " " + file + " --log " + log + " </dev/null"), 0);
    const auto rows = Lines(log);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], "earlier,row");
    EXPECT_NE(rows[2].find(",written,"), std::string::npos) << rows[2];
}

TEST_F(CliSafetyTest, RefusesWithoutARadioWhenTheFileOrTheLogIsWrong)
{
    sim::RadioSimulator radio(test::Radio("P7100"));
    radio.Start();
    Connect(radio);
    ASSERT_EQ(Run("new --model 0 --channels 2 " + file), 0);
    EXPECT_NE(Run("clone --port " + port + " " + file + " --log " + folder.File("no/such/folder.csv") + " </dev/null"), 0);
    EXPECT_NE(Run("clone --port " + port + " " + folder.File("missing.dat") + " </dev/null"), 0);
    EXPECT_NE(Run("clone " + file + " </dev/null"), 0);
    EXPECT_TRUE(radio.Received().empty());
}

TEST_F(CliSafetyTest, VerifyReportsAMismatchInOneLineAndFails)
{
    auto profile = test::Radio("P7100");
    sim::RadioSimulator radio(profile);
    radio.Start();
    Connect(radio);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    EXPECT_EQ(Run("write --port " + port + " --verify " + file), 0) << Said();

    profile.faults.push_back({sim::Step::WriteBlock, sim::FaultKind::StoresOther, 40});
    sim::RadioSimulator forgetful(profile);
    forgetful.Start();
    Connect(forgetful);
    EXPECT_EQ(Run("write --port " + port + " --verify " + file), 1);
    EXPECT_EQ(Said(), "qtr31x-cli: The radio does not hold what was written: 16 bytes differ, the first at image "
                      "address 0x2B0. Write to the radio again.\n");
}

TEST_F(CliSafetyTest, BackupKeepsWhatWasReadAndWhatTheRadioHeldBeforeAWrite)
{
    auto profile = test::Radio("P7100");
    ImageView(profile.memory).SetText(768, "BEFORE");
    sim::RadioSimulator radio(profile);
    radio.Start();
    Connect(radio);
    const std::string backups = folder.File("kept/backups");
    ASSERT_EQ(Run("read --port " + port + " --backup " + backups + " " + file), 0) << Said();
    const auto afterRead = FilesIn(backups);
    ASSERT_EQ(afterRead.size(), 1u);
    EXPECT_EQ(test::TempFolder::ReadBytes(afterRead[0].string()), test::TempFolder::ReadBytes(file));
    EXPECT_EQ(afterRead[0].filename().string().rfind("P7100-12345678ABCD_0042_SIM-01-", 0), 0u);

    auto bytes = test::TempFolder::ReadBytes(file);
    bytes[datafile::kHeaderSize + 768] = 'A';
    test::TempFolder::WriteBytes(file, bytes);
    ASSERT_EQ(Run("write --port " + port + " --backup " + backups + " " + file), 0) << Said();
    const auto afterWrite = FilesIn(backups);
    ASSERT_EQ(afterWrite.size(), 2u); // the same second or not, the first is kept
    for (const auto& kept : afterWrite) {
        const auto keptBytes = test::TempFolder::ReadBytes(kept.string());
        EXPECT_EQ(keptBytes, datafile::Build(profile.memory, datafile::MagicFor(profile.memory))) << kept;
    }
    EXPECT_EQ(radio.Memory()[768], 'A');
}

TEST_F(CliSafetyTest, ABackupThatCannotBeWrittenStopsTheWriteWithOneLineNamingThePath)
{
    const auto profile = test::Radio("P7100");
    sim::RadioSimulator radio(profile);
    radio.Start();
    Connect(radio);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    auto bytes = test::TempFolder::ReadBytes(file);
    bytes[datafile::kHeaderSize + 768] = 'A';
    test::TempFolder::WriteBytes(file, bytes);
    const std::string blocked = file + "/backups"; // a folder inside a file
    EXPECT_EQ(Run("write --port " + port + " --backup " + blocked + " " + file), 1);
    const std::string said = Said();
    EXPECT_EQ(said.rfind("qtr31x-cli: Cannot keep the radio's memory in " + blocked + "/P7100-", 0), 0u) << said;
    EXPECT_NE(said.find("Not a directory. Nothing was written to the radio.\n"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(radio.Memory(), profile.memory);
}

// Ports at once, each looking for its radios by itself: a radio that fails midway gets its row
// and its port goes on, a port that cannot be opened is reported and the others go on, every
// radio gets IDs of its own, and the radio left on each cable is skipped with one line.
TEST_F(CliSafetyTest, ProgramsRadiosOnSeveralPortsAtOnceEachWithItsOwnIds)
{
    const auto radios = test::Radio("P7100").Series(6);
    sim::RadioSimulator source(radios[0]);
    source.Start();
    Connect(source);
    ASSERT_EQ(Run("read --port " + port + " " + file), 0);
    auto failing = radios[4];
    failing.faults.push_back({sim::Step::WriteBlock, sim::FaultKind::Silence, 5, 0});
    sim::RadioSimulator one(radios[0], {radios[1], radios[2]});
    sim::RadioSimulator two(radios[3], {failing, radios[5]});
    one.Start();
    two.Start();
    const std::string missing = folder.File("no-such-port");
    Conversation tool({"clone", "--wait", "--port", one.SlavePath(), "--port", two.SlavePath(), "--port", missing, file,
                       "--log", log, "--verify", "--dtmf-id", "0101", "--vantalink-id", "120:1000"},
                      folder.File("err.txt"));
    const std::string skipped = " was handled already in this run; connect the next radio\n";
    std::string said = tool.ReadUntil(skipped);
    said += tool.ReadUntil(skipped);
    tool.Signal(SIGTERM);
    said += tool.Rest();
    EXPECT_EQ(tool.Status(), 128 + SIGTERM);
    EXPECT_NE(said.find("all ports: 5 written, 5 verified, 0 refused, 1 failed\n"), std::string::npos) << said;
    EXPECT_NE(said.find(missing + ": not used: cannot open " + missing), std::string::npos) << said;

    const auto rows = Lines(log);
    ASSERT_EQ(rows.size(), 8u) << said;
    std::set<std::string> serials;
    std::set<std::string> dtmfIds;
    std::set<std::string> vantalinkIds;
    std::vector<ImageBytes> memories = one.Memories();
    const auto more = two.Memories();
    memories.insert(memories.end(), more.begin(), more.end());
    for (std::size_t i = 1; i < 7; ++i) {
        const auto fields = SplitFields(rows[i], ',');
        ASSERT_EQ(fields.size(), 13u) << rows[i];
        serials.insert(fields[3]);
        dtmfIds.insert(fields[8]);
        vantalinkIds.insert(fields[9] + ":" + fields[10]);
        const bool fails = fields[3] == "12345678ABCD 0042 SIM-05";
        EXPECT_EQ(fields[6], fails ? "failed" : "verified") << rows[i];
        EXPECT_EQ(fields[7].find("partial image") != std::string::npos, fails) << rows[i];
        const std::size_t radio = static_cast<std::size_t>(fields[3].back() - '1');
        const ImageBytes& memory = memories[radio];
        if (!fails) {
            EXPECT_EQ(std::string(memory.begin() + 288, memory.begin() + 292), fields[8]) << rows[i];
        }
        EXPECT_EQ(fields[5] == Sha256Hex(memory), !fails) << rows[i];
    }
    EXPECT_EQ(serials.size(), 6u);
    EXPECT_EQ(dtmfIds, (std::set<std::string>{"0101", "0102", "0103", "0104", "0105", "0106"}));
    EXPECT_EQ(vantalinkIds.size(), 6u);
    EXPECT_EQ(vantalinkIds.count("120:1000"), 1u);
}

} // namespace
} // namespace qtr
