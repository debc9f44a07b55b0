#include "TempFolder.h"
#include "core/base/RegularFile.h"
#include "core/document/DataFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qtr {
namespace {

// Whatever a name leads to, the reader answers at once: a pipe with no writer must not block it.
TEST(RegularFile, ReadsOnlyARegularFileWithinTheBound)
{
    test::TempFolder folder;
    test::TempFolder::WriteBytes(folder.File("small"), {'a', 'b'});
    test::TempFolder::WriteBytes(folder.File("large"), std::vector<std::uint8_t>(11, 'x'));
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    const struct {
        std::string path;
        FileFault fault;
    } cases[] = {
        {folder.File("small"), FileFault::None},     {folder.File("large"), FileFault::TooLarge},
        {folder.File("missing"), FileFault::CannotOpen}, {folder.Path(), FileFault::Folder},
        {folder.File("pipe"), FileFault::NotRegular},  {"/dev/zero", FileFault::NotRegular},
    };
    for (const auto& [path, fault] : cases) {
        const FileContents file = ReadRegularFile(path, 10);
        EXPECT_EQ(file.fault, fault) << path;
        EXPECT_EQ(file.bytes, fault == FileFault::None ? "ab" : "") << path;
    }
    // A data file of the wrong size is not read; a pipe is no data file.
    test::TempFolder::WriteBytes(folder.File("long.dat"), std::vector<std::uint8_t>(datafile::kFileSize + 1, 0xFF));
    EXPECT_EQ(datafile::Read(folder.File("long.dat")).error, datafile::ReadError::WrongLength);
    const datafile::ReadResult pipe = datafile::Read(folder.File("pipe"));
    EXPECT_EQ(pipe.error, datafile::ReadError::CannotOpen);
    EXPECT_EQ(pipe.reasonId, FileFaultMessage(FileFault::NotRegular));
}

} // namespace
} // namespace qtr
