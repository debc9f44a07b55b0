#include "core/base/HelpFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(HelpFileTest, NamesTheFileAfterTheExecutableWithoutItsExtension)
{
    EXPECT_EQ(HelpFile("/opt/q/qtr31x", 'e', 'L').Path(), "/opt/q/qtr31x_e_LMR.chm");
    EXPECT_EQ(HelpFile("/opt/q/qtr31x.bin", 's', 'B').Path(), "/opt/q/qtr31x_s_BRS.chm");
    EXPECT_EQ(HelpFile("/opt/q.d/qtr31x", 'c', 'X').Path(), "/opt/q.d/qtr31x_c_BRS.chm");
    const std::string path = HelpFile("/opt/q/qtr31x", 'c', 'L').Path();
    EXPECT_EQ(path[path.size() - 9], 'c');
}

TEST(HelpFileTest, LanguageSetupSetsTheLetterAndAModelChangeFollowsTheLineExceptInSpanish)
{
    HelpFile help("/opt/q/qtr31x", 'e', 'L');
    help.ApplyLanguage(2);
    EXPECT_FALSE(help.AfterModelChange(2, 'B'));
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_s_LMR.chm");
    help.ApplyLanguage(3);
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_c_LMR.chm");
    EXPECT_TRUE(help.AfterModelChange(3, 'B'));
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_e_BRS.chm");
    EXPECT_TRUE(help.AfterModelChange(1, '?'));
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_e_BRS.chm");
}

TEST(HelpFileTest, OpenKeepsTheLetterAndSetsTheSuffix)
{
    HelpFile help("/opt/q/qtr31x", 'c', 'L');
    help.SetLineSuffix('B');
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_c_BRS.chm");
    help.SetLineSuffix('?');
    EXPECT_EQ(help.Path(), "/opt/q/qtr31x_c_LMR.chm");
}

TEST(HelpFileTest, PagesLieInAFolderNamedAfterTheFile)
{
    const HelpFile help("/opt/q/qtr31x", 'e', 'L');
    EXPECT_EQ(help.PageFolder(), "/opt/q/qtr31x_e_LMR/");
    EXPECT_EQ(help.TopicPage(186), "/opt/q/qtr31x_e_LMR/186.html");
    EXPECT_EQ(help.DefaultPage(), "/opt/q/qtr31x_e_LMR/index.html");
}

TEST(HelpFileTest, ALanguageWithoutPagesFallsBackToTheEnglishPagesOfItsLine)
{
    const test::TempFolder folder;
    const std::string program = folder.File("qtr31x");
    EXPECT_FALSE(HelpFile(program, 's', 'B').WithPages()); // no help at all

    std::filesystem::create_directories(folder.File("qtr31x_e_BRS"));
    std::filesystem::create_directories(folder.File("qtr31x_e_LMR"));
    EXPECT_EQ(HelpFile(program, 's', 'B').WithPages()->PageFolder(), folder.File("qtr31x_e_BRS/"));
    EXPECT_EQ(HelpFile(program, 'c', 'L').WithPages()->PageFolder(), folder.File("qtr31x_e_LMR/"));

    std::filesystem::create_directories(folder.File("qtr31x_s_BRS"));
    EXPECT_EQ(HelpFile(program, 's', 'B').WithPages()->PageFolder(), folder.File("qtr31x_s_BRS/"));
    // A file in place of the folder is no help.
    test::TempFolder::WriteBytes(folder.File("qtr31x_c_LMR"), {'x'});
    EXPECT_EQ(HelpFile(program, 'c', 'L').WithPages()->PageFolder(), folder.File("qtr31x_e_LMR/"));
}

} // namespace
} // namespace qtr
