#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/BackupFiles.h"
#include "core/document/DataFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

class BackupFilesTest : public testing::Test {
protected:
    BackupFilesTest()
    {
        test::StartWithModel(state, test::RecordFor(0, 0x15));
        time.tm_year = 126;
        time.tm_mon = 11;
        time.tm_mday = 7;
        time.tm_hour = 9;
        time.tm_min = 5;
        time.tm_sec = 3;
    }
    static RadioSerial Serial(const std::string& text)
    {
        RadioSerial serial;
        serial.fill(0xFF);
        std::copy(text.begin(), text.end(), serial.begin());
        return serial;
    }

    RadioState state;
    std::tm time{};
    test::TempFolder folder;
};

TEST_F(BackupFilesTest, NamesCarryTheModelTheSerialNumberAndTheTime)
{
    EXPECT_EQ(backup::BaseName(state.image, std::nullopt, time), "P7100-unknown-20261207-090503");
    EXPECT_EQ(backup::BaseName(state.image, Serial("12345678ABCD0042SIM-01"), time),
              "P7100-12345678ABCD_0042_SIM-01-20261207-090503");
    // Characters a file name cannot safely hold become one '_'; a serial of nothing is unknown.
    EXPECT_EQ(backup::SerialPart(Serial("AB/..\\CD")), "AB_CD");
    EXPECT_EQ(backup::SerialPart(Serial("")), "unknown");
    std::copy_n("P/../", 5, state.image.begin() + 440);
    EXPECT_EQ(backup::BaseName(state.image, std::nullopt, time), "P-unknown-20261207-090503");
}

TEST_F(BackupFilesTest, AKeptFileIsNeverReplacedAndItsFolderIsMade)
{
    const std::string backups = folder.File("a/b");
    std::vector<std::string> paths;
    for (int i = 0; i < 3; ++i) {
        state.image[768] = static_cast<std::uint8_t>('A' + i);
        const backup::Kept kept = backup::Keep(backups, state.image, std::nullopt, time);
        ASSERT_FALSE(kept.failure) << *kept.failure;
        paths.push_back(std::filesystem::path(kept.path).filename().string());
        EXPECT_EQ(datafile::Read(kept.path).image[768], 'A' + i);
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"P7100-unknown-20261207-090503.dat", "P7100-unknown-20261207-090503-2.dat",
                                               "P7100-unknown-20261207-090503-3.dat"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(backups), std::filesystem::directory_iterator()), 3);
}

TEST_F(BackupFilesTest, AFolderThatCannotBeMadeGivesThePathAndTheReason)
{
    test::TempFolder::WriteBytes(folder.File("file"), {1});
    const backup::Kept kept = backup::Keep(folder.File("file/backups"), state.image, std::nullopt, time);
    ASSERT_TRUE(kept.failure);
    EXPECT_EQ(kept.path, folder.File("file/backups/P7100-unknown-20261207-090503.dat"));
    EXPECT_EQ(*kept.failure, "Not a directory");
}

} // namespace
} // namespace qtr
