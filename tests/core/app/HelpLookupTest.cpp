#include "core/app/HelpLookup.h"

#include "core/base/HelpFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

class HelpLookupTest : public ::testing::Test {
protected:
    void AddPages(std::initializer_list<const char*> names)
    {
        std::filesystem::create_directories(folder.File("qtr31x_e_LMR"));
        for (const char* name : names)
            test::TempFolder::WriteBytes(folder.File("qtr31x_e_LMR/") + name, {'<', 'p', '>'});
    }
    std::string Page(const char* name) const { return folder.File("qtr31x_e_LMR/") + name; }

    test::TempFolder folder;
    HelpFile help{folder.File("qtr31x"), 'e', 'L'};
};

TEST(HelpFallbackTest, CommandsWithoutPagesHaveTheirSubstitutes)
{
    EXPECT_EQ(FallbackHelpTopic(32775), 0);
    EXPECT_EQ(FallbackHelpTopic(57607), 32900);
    EXPECT_EQ(FallbackHelpTopic(57609), 32901);
    EXPECT_EQ(FallbackHelpTopic(59392), 32902);
    EXPECT_EQ(FallbackHelpTopic(59393), 32903);
    EXPECT_EQ(FallbackHelpTopic(57650), 32904);
    EXPECT_EQ(FallbackHelpTopic(57651), 32905);
    EXPECT_EQ(FallbackHelpTopic(57652), 32906);
    EXPECT_EQ(FallbackHelpTopic(57649), 32907);
    EXPECT_EQ(FallbackHelpTopic(57667), 32908);
    EXPECT_EQ(FallbackHelpTopic(65280), 32910);
    EXPECT_EQ(FallbackHelpTopic(65296), 32910);
    EXPECT_EQ(FallbackHelpTopic(65297), 128);
    EXPECT_EQ(FallbackHelpTopic(32788), 128);
    EXPECT_EQ(FallbackHelpTopic(57664), std::nullopt);
}

TEST_F(HelpLookupTest, AMissingHelpFolderIsReportedWithItsPath)
{
    for (const HelpPage& page : {PageForTopic(help, 130), PageForContext(help, 32788), DefaultPage(help)}) {
        EXPECT_EQ(page.kind, HelpPage::Kind::MissingHelpFile);
        EXPECT_EQ(page.path, folder.File("qtr31x_e_LMR/"));
    }
    EXPECT_EQ(MissingHelpFileText("/x/"), "Html Help File Does Not Exist\n\n   File Path [ /x/ ]");
}

TEST_F(HelpLookupTest, SpanishWithoutItsOwnPagesShowsTheEnglishOnesButNamesItsOwnFolderWhenNoneExist)
{
    const HelpFile spanish{folder.File("qtr31x"), 's', 'L'};
    EXPECT_EQ(PageForTopic(spanish, 130).path, folder.File("qtr31x_s_LMR/"));
    AddPages({"index.html", "130.html", "128.html"});
    EXPECT_EQ(PageForTopic(spanish, 130).path, Page("130.html"));
    EXPECT_EQ(PageForContext(spanish, 32788).path, Page("128.html"));
    EXPECT_EQ(DefaultPage(spanish).path, Page("index.html"));
}

TEST_F(HelpLookupTest, HelpButtonsFallBackToTheDefaultPage)
{
    AddPages({"index.html", "130.html"});
    EXPECT_EQ(PageForTopic(help, 130).path, Page("130.html"));
    EXPECT_EQ(PageForTopic(help, 186).path, Page("index.html"));
    EXPECT_EQ(DefaultPage(help).path, Page("index.html"));
}

TEST_F(HelpLookupTest, ContextHelpTriesTheOwnTopicThenTheSubstituteThenTheDefault)
{
    AddPages({"index.html", "128.html", "32900.html", "57607.html"});
    EXPECT_EQ(PageForContext(help, 57607).path, Page("57607.html"));
    EXPECT_EQ(PageForContext(help, 32788).path, Page("128.html"));
    EXPECT_EQ(PageForContext(help, 59392).path, Page("index.html"));
    EXPECT_EQ(PageForContext(help, 57664).kind, HelpPage::Kind::NoHelp);
}

} // namespace
} // namespace qtr
