#include "core/base/SafeSave.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace qtr {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

std::string Text(const std::string& path)
{
    const auto bytes = test::TempFolder::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// The umask the program was started with, for one case, given back after it.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

TEST(SafeSaveTest, EverySaveWritesItsTargetWholeKeepingWhatTheUserSetUp)
{
    struct Case {
        const char* name;
        mode_t umask;
        std::optional<mode_t> existingMode; // none: a new file
        bool throughLink;
        FileAccess access;
        mode_t expectedMode;
    };
    const Case cases[] = {
        {"new", 022, std::nullopt, false, FileAccess::Usual, 0644},
        {"new at umask 000 is not writable by all", 0, std::nullopt, false, FileAccess::Usual, 0664},
        {"existing keeps 0600", 022, 0600, false, FileAccess::Usual, 0600},
        {"existing keeps 0640", 077, 0640, false, FileAccess::Usual, 0640},
        {"through a link", 022, 0600, true, FileAccess::Usual, 0600},
        {"new private at umask 000", 0, std::nullopt, false, FileAccess::Private, 0600},
        {"existing made private", 022, 0644, false, FileAccess::Private, 0600},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        const std::string target = folder.File("kept/radio.dat");
        fs::create_directories(folder.File("kept"));
        if (c.existingMode) {
            test::TempFolder::WriteBytes(target, {'o', 'l', 'd'});
            fs::permissions(target, static_cast<fs::perms>(*c.existingMode));
        }
        std::string saved = target;
        if (c.throughLink) {
            saved = folder.File("link.dat");
            fs::create_symlink("kept/radio.dat", saved);
        }
        const Umask mask(c.umask);
        EXPECT_EQ(SaveFile(saved, "new bytes", c.access), std::nullopt) << c.name;
        EXPECT_EQ(Text(target), "new bytes") << c.name;
        EXPECT_EQ(ModeOf(target), c.expectedMode) << c.name;
        EXPECT_EQ(fs::is_symlink(saved), c.throughLink) << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("kept")), fs::directory_iterator()), 1) << c.name;
    }
}

TEST(SafeSaveTest, AFailedSaveLeavesTheTargetAndNoTemporaryFile)
{
    test::TempFolder folder;
    const std::string target = folder.File("taken");
    fs::create_directories(target + "/inside"); // a folder where the file should go
    EXPECT_NE(SaveFile(target, "bytes"), std::nullopt);
    EXPECT_TRUE(fs::is_directory(target + "/inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
    EXPECT_NE(SaveFile(folder.File("missing/file.dat"), "bytes"), std::nullopt);
}

TEST(SafeSaveTest, FoldersTheProgramMakesAreTheOwnersAloneWhateverTheUmask)
{
    test::TempFolder folder;
    fs::permissions(folder.Path(), static_cast<fs::perms>(0755));
    const Umask mask(0);
    ASSERT_EQ(MakePrivateFolders(folder.File("local/share/qtr31x/backups")), std::nullopt);
    for (const char* made : {"local", "local/share", "local/share/qtr31x", "local/share/qtr31x/backups"})
        EXPECT_EQ(ModeOf(folder.File(made)), 0700u) << made;
    EXPECT_EQ(ModeOf(folder.Path()), 0755u); // one that was there is left alone
    test::TempFolder::WriteBytes(folder.File("file"), {});
    EXPECT_NE(MakePrivateFolders(folder.File("file/below")), std::nullopt);
}

} // namespace
} // namespace qtr
