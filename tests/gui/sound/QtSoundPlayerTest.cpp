#include "ProgramFolder.h"
#include "TempFolder.h"
#include "gui/program/SoundModulePlayer.h"
#include "gui/sound/QtSoundPlayer.h"
#include "gui/sound/WaveSound.h"

#include <QCoreApplication>
#include <QMediaDevices>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace qtr::gui {
namespace {

using test::TempFolder;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHeaderSize = 44;

std::string CallTone(int level)
{
    return test::ProgramFolder() + "/Call Tone " + std::to_string(level) + ".wav";
}

Bytes CallToneBytes()
{
    return TempFolder::ReadBytes(CallTone(3));
}

// A copy of a call tone with `change` applied to its bytes.
std::string ChangedCallTone(const TempFolder& folder, void (*change)(Bytes&))
{
    Bytes bytes = CallToneBytes();
    change(bytes);
    const std::string path = folder.File("changed.wav");
    TempFolder::WriteBytes(path, bytes);
    return path;
}

std::string TextFile(const TempFolder& folder)
{
    const std::string path = folder.File("Call Tone 3.wav");
    TempFolder::WriteBytes(path, Bytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '\n'});
    return path;
}

// A call tone nobody may read; empty when this user reads it all the same (root does).
std::string UnreadableCallTone(const TempFolder& folder)
{
    const std::string path = folder.File("Call Tone 3.wav");
    TempFolder::WriteBytes(path, CallToneBytes());
    std::filesystem::permissions(path, std::filesystem::perms::none);
    return access(path.c_str(), R_OK) == 0 ? std::string() : path;
}

std::string NamedPipe(const TempFolder& folder)
{
    const std::string path = folder.File("pipe.wav");
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    return path;
}

bool Loads(const std::string& path)
{
    return WaveSound::Load(QString::fromStdString(path)).has_value();
}

TEST(WaveSoundTest, ReadsTheFormatAndEverySampleOfACallTone)
{
    const auto sound = WaveSound::Load(QString::fromStdString(CallTone(3)));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->Format().sampleRate(), 22050);
    EXPECT_EQ(sound->Format().channelCount(), 1);
    EXPECT_EQ(sound->Format().sampleFormat(), QAudioFormat::Int16);
    const auto sampleBytes = CallToneBytes().size() - kHeaderSize;
    EXPECT_EQ(static_cast<std::size_t>(sound->Samples().size()), sampleBytes);
    EXPECT_EQ(sound->Duration(), std::chrono::milliseconds(sampleBytes * 1000 / 2 / 22050));
}

TEST(WaveSoundTest, RefusesWhatIsNoReadableRegularFile)
{
    const TempFolder folder;
    EXPECT_FALSE(Loads(folder.File("Call Tone 3.wav")));
    EXPECT_FALSE(Loads(folder.Path()));
    // Would wait for a writer forever if it were opened.
    EXPECT_FALSE(Loads(NamedPipe(folder)));
}

TEST(WaveSoundTest, RefusesFilesThatAreNoPlayableWave)
{
    const TempFolder folder;
    EXPECT_FALSE(Loads(TextFile(folder)));
    EXPECT_FALSE(Loads(ChangedCallTone(folder, [](Bytes& bytes) { bytes.resize(30); })));
    EXPECT_FALSE(Loads(ChangedCallTone(folder, [](Bytes& bytes) { std::copy_n("AVI ", 4, bytes.begin() + 8); })));
    // Compressed (MPEG layer 3) samples.
    EXPECT_FALSE(Loads(ChangedCallTone(folder, [](Bytes& bytes) { bytes[20] = 0x55; })));
    // A header announcing samples that are not there.
    EXPECT_FALSE(Loads(ChangedCallTone(folder, [](Bytes& bytes) { bytes.resize(kHeaderSize); })));
}

TEST(WaveSoundTest, RefusesAnUnreadableFile)
{
    const TempFolder folder;
    const std::string path = UnreadableCallTone(folder);
    if (path.empty())
        GTEST_SKIP() << "this user reads files without read permission (root)";
    EXPECT_FALSE(Loads(path));
}

TEST(QtSoundPlayerTest, OpenFailsForMissingFilesFoldersPipesAndFilesThatAreNoWave)
{
    const TempFolder folder;
    QtSoundPlayer player;
    EXPECT_EQ(player.Open(folder.File("Call Tone 3.wav")), SoundPlayer::Opening::BadFile);
    EXPECT_EQ(player.Open(TextFile(folder)), SoundPlayer::Opening::BadFile);
    EXPECT_EQ(player.Open(folder.Path()), SoundPlayer::Opening::BadFile);
    EXPECT_EQ(player.Open(folder.File("missing") + "/Call Tone 3.wav"), SoundPlayer::Opening::BadFile);
    EXPECT_EQ(player.Open(NamedPipe(folder)), SoundPlayer::Opening::BadFile);
}

TEST(QtSoundPlayerTest, OpenFailsForAnUnreadableFile)
{
    const TempFolder folder;
    const std::string path = UnreadableCallTone(folder);
    if (path.empty())
        GTEST_SKIP() << "this user reads files without read permission (root)";
    QtSoundPlayer player;
    EXPECT_EQ(player.Open(path), SoundPlayer::Opening::BadFile);
}

// The file is fine: the message must blame the output, not the file.
TEST(QtSoundPlayerTest, OpenFailsWithoutASoundOutput)
{
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has a sound output";
    QtSoundPlayer player;
    EXPECT_EQ(player.Open(CallTone(3)), SoundPlayer::Opening::NoOutput);
    EXPECT_FALSE(player.Play([] { ADD_FAILURE() << "nothing was playing"; }));
}

TEST(QtSoundPlayerTest, PlayStopAndCloseInAnyOrderWithNothingOpen)
{
    bool called = false;
    const auto finished = [&called] { called = true; };
    {
        QtSoundPlayer player;
        EXPECT_TRUE(player.Stop());
        player.Close();
        player.Close();
        EXPECT_FALSE(player.Play(finished));
        EXPECT_TRUE(player.Stop());
        EXPECT_TRUE(player.Stop());
    }
    {
        QtSoundPlayer player;
        player.Close();
        EXPECT_TRUE(player.Stop());
        EXPECT_EQ(player.Open(CallTone(3) + ".missing"), SoundPlayer::Opening::BadFile);
        EXPECT_FALSE(player.Play(finished));
        player.Close();
        EXPECT_TRUE(player.Stop());
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

// The program's player is the module's: a file it refuses is refused as the module's player
// refuses it, and a module that is not there leaves the program without sound, not broken.
TEST(SoundModulePlayerTest, AnswersThroughTheInstalledModuleAndHasNoOutputWithoutIt)
{
    SoundModulePlayer installed;
    EXPECT_EQ(installed.Open(CallTone(3) + ".missing"), SoundPlayer::Opening::BadFile);

    SoundModulePlayer missing(QString::fromStdString(CallTone(3) + ".so"));
    EXPECT_EQ(missing.Open(CallTone(3)), SoundPlayer::Opening::NoOutput);
    EXPECT_FALSE(missing.Play([] { ADD_FAILURE() << "nothing was playing"; }));
    EXPECT_TRUE(missing.Stop());
    missing.Close();
}

} // namespace
} // namespace qtr::gui
