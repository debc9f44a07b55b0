#include "core/base/ProgramFiles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qtr {
namespace {

class ProgramFilesTest : public ::testing::Test {
protected:
    ProgramFilesTest()
    {
        std::filesystem::create_directories(Bin());
        std::filesystem::create_directories(Shared());
    }
    std::string Bin() const { return root.File("bin"); }
    std::string Shared() const { return root.File("share/qtr31x"); }
    std::string Executable() const { return Bin() + "/qtr31x"; }
    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    test::TempFolder root;
};

TEST_F(ProgramFilesTest, TheFilesBesideTheExecutableComeFirst)
{
    Touch(Bin() + "/qtr31x_e.lng");
    Touch(Shared() + "/qtr31x_e.lng");
    EXPECT_EQ(ProgramFilesFolder(Executable()), Bin());
}

TEST_F(ProgramFilesTest, AnInstallationUnderAnyPrefixFindsShareBesideBin)
{
    Touch(Shared() + "/qtr31x_e.lng");
    EXPECT_EQ(ProgramFilesFolder(Executable()), Shared());
    // Any one language file marks the folder, not only the English one.
    std::filesystem::remove(Shared() + "/qtr31x_e.lng");
    Touch(Shared() + "/qtr31x_c.lng");
    EXPECT_EQ(ProgramFilesFolder(Executable()), Shared());
}

TEST_F(ProgramFilesTest, WithoutLanguageFilesTheExecutableFolderIsNamed)
{
    // Other files, or a folder of the language file's name, do not count.
    Touch(Shared() + "/Call Tone 1.wav");
    std::filesystem::create_directories(Shared() + "/qtr31x_s.lng");
    EXPECT_EQ(ProgramFilesFolder(Executable()), Bin());
}

} // namespace
} // namespace qtr
