#include "ProgramFolder.h"
#include "core/base/MessageCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace qtr {
namespace {

namespace fs = std::filesystem;

std::string Message(int id, const std::string& text)
{
    char marker[32];
    std::snprintf(marker, sizeof marker, "^#%.9d\n", id);
    return marker + text + "\n";
}

// Every required message in order, its text naming the identifier.
std::string FullFile(const std::vector<int>& ids)
{
    std::string file = "; comment line\n\n" + Message(2000001, "not required");
    for (const int id : ids)
        file += Message(id, "Text " + std::to_string(id));
    return file;
}

class MessageCatalogTest : public testing::Test {
protected:
    void SetUp() override
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("qtr31x-catalog-" + std::to_string(stamp));
        fs::create_directories(folder_);
        catalog_.SetFolder(folder_.string());
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& contents)
    {
        std::ofstream(folder_ / name, std::ios::binary) << contents;
    }
    int LoadEnglish(const std::string& contents, std::vector<int> ids)
    {
        Write("qtr31x_e.lng", contents);
        return catalog_.LoadLanguage(ids, MessageCatalog::kEnglish);
    }

    fs::path folder_;
    MessageCatalog catalog_;
};

TEST(RequiredMessagesTest, ListsEachOfTheFiveHundredAndOneIdentifiersOnce)
{
    const std::vector<int> ids = MessageCatalog::RequiredMessages();
    EXPECT_EQ(ids.size(), 501u);
    EXPECT_TRUE(std::ranges::is_sorted(ids));
    EXPECT_EQ(std::ranges::adjacent_find(ids), ids.end());
    for (const int id : {1001001, 1001050, 1005004, 3003060, 3005036, 3018022, 3420067, 3420068, 3420226})
        EXPECT_TRUE(std::ranges::binary_search(ids, id)) << id;
    for (const int id : {1001041, 1001052, 1005002, 3003061, 3420043, 3420078, 3420202, 3420228})
        EXPECT_FALSE(std::ranges::binary_search(ids, id)) << id;
}

TEST_F(MessageCatalogTest, LoadsEveryRequiredMessageAmongExtraLines)
{
    std::vector<int> ids = MessageCatalog::RequiredMessages();
    Write("qtr31x_e.lng", FullFile(ids));
    std::ranges::reverse(ids);
    ASSERT_EQ(catalog_.LoadLanguage(ids, MessageCatalog::kEnglish), MessageCatalog::kLoaded);
    EXPECT_TRUE(std::ranges::is_sorted(ids));
    EXPECT_EQ(catalog_.Count(), 501u);
    EXPECT_EQ(catalog_.MessageText(3420067), "Text 3420067");
    EXPECT_FALSE(catalog_.Has(2000001));
}

TEST_F(MessageCatalogTest, GroupsAreReadInTheirOwnPassSoOnlyTheOrderWithinAGroupCounts)
{
    const std::string one = Message(1001001, "a") + Message(1001003, "b");
    const std::string three = Message(3001001, "c") + Message(3001003, "d");
    EXPECT_EQ(LoadEnglish(three + one, {1001001, 1001003, 3001001, 3001003}), MessageCatalog::kLoaded);
    const std::string swapped = Message(3001003, "d") + Message(3001001, "c");
    EXPECT_EQ(LoadEnglish(one + swapped, {1001001, 1001003, 3001001, 3001003}), MessageCatalog::kDamaged);
}

TEST_F(MessageCatalogTest, ReportsMissingAndDamagedFiles)
{
    std::vector<int> ids{1001001};
    EXPECT_EQ(catalog_.LoadLanguage(ids, MessageCatalog::kSpanish), MessageCatalog::kCannotOpen);
    EXPECT_EQ(catalog_.LoadLanguage(ids, 9), MessageCatalog::kCannotOpen);
    fs::create_directory(folder_ / "qtr31x_c.lng");
    EXPECT_EQ(catalog_.LoadLanguage(ids, MessageCatalog::kChinese), MessageCatalog::kCannotOpen);

    EXPECT_EQ(LoadEnglish(Message(1001003, "x"), {1001001}), MessageCatalog::kDamaged);
    EXPECT_EQ(LoadEnglish("^#001001001\n", {1001001}), MessageCatalog::kDamaged) << "marker on the last line";
    EXPECT_EQ(LoadEnglish("^#1001001\nx\n", {1001001}), MessageCatalog::kDamaged) << "seven digits only";
}

TEST_F(MessageCatalogTest, IdentifiersOutsideTheFileGroupsHaveNoFile)
{
    const std::string file = Message(1001001, "a");
    EXPECT_EQ(LoadEnglish(file, {1001001, 2001001}), MessageCatalog::kCannotOpen);
    EXPECT_EQ(LoadEnglish(file, {1001003, 2001001}), MessageCatalog::kDamaged) << "group 1 is read first";
}

TEST_F(MessageCatalogTest, ReadsMarkerAndTextLines)
{
    const std::string file = "^#001001001xyz\r\nA\\tB\\nC\\\\D\\qE\r\n^#001001003\nends\\\n^#001001005\n\n^#003001001\nlast";
    ASSERT_EQ(LoadEnglish(file, {1001001, 1001003, 1001005, 3001001}), MessageCatalog::kLoaded);
    EXPECT_EQ(catalog_.MessageText(1001001), "A\tB\nC\\D\\E");
    EXPECT_EQ(catalog_.MessageText(1001003), "ends\\");
    EXPECT_EQ(catalog_.MessageText(1001005), "");
    EXPECT_TRUE(catalog_.Has(1001005));
    EXPECT_EQ(catalog_.MessageText(3001001), "last");
}

TEST_F(MessageCatalogTest, ALoadReplacesAllTextsButAFailedOneKeepsThem)
{
    ASSERT_EQ(LoadEnglish(Message(1001001, "one") + Message(1001003, "two"), {1001001}), MessageCatalog::kLoaded);
    ASSERT_EQ(LoadEnglish(Message(1001001, "one") + Message(1001003, "two"), {1001003}), MessageCatalog::kLoaded);
    EXPECT_FALSE(catalog_.Has(1001001));
    EXPECT_EQ(LoadEnglish(Message(1001001, "new"), {1001001, 1001005}), MessageCatalog::kDamaged);
    EXPECT_EQ(catalog_.MessageText(1001003), "two");
    EXPECT_FALSE(catalog_.Has(1001001));
}

TEST_F(MessageCatalogTest, PlainTextDropsAmpersandsAndStopsAt255BytesOnACharacterBoundary)
{
    const std::string longText = "&" + std::string(299, 'x');
    const std::string accented = std::string(254, 'a') + "\xC3\xA9";
    ASSERT_EQ(LoadEnglish(Message(1001001, "&Communication Port") + Message(1001003, longText) +
                              Message(1001005, accented),
                          {1001001, 1001003, 1001005}),
              MessageCatalog::kLoaded);
    EXPECT_EQ(catalog_.MessageText(1001001, 0), "&Communication Port");
    EXPECT_EQ(catalog_.MessageText(1001001, 1), "Communication Port");
    EXPECT_EQ(catalog_.MessageText(1001003, 1), std::string(255, 'x'));
    EXPECT_EQ(catalog_.MessageText(1001005, 1), std::string(254, 'a'));
    EXPECT_EQ(catalog_.MessageText(1001007, 0), "");
    EXPECT_EQ(catalog_.MessageText(1001007, 1), "");
}

// Every language file that ships beside the program must carry every required message.
TEST(ShippedLanguageFilesTest, LoadCompletely)
{
    int languages = 0;
    for (const auto& entry : fs::directory_iterator(test::ProgramFolder())) {
        if (entry.path().extension() != ".lng")
            continue;
        MessageCatalog catalog;
        std::vector<int> ids = MessageCatalog::RequiredMessages();
        EXPECT_EQ(catalog.LoadFile(ids, entry.path().string()), MessageCatalog::kLoaded) << entry.path();
        ++languages;
    }
    EXPECT_EQ(languages, 3);
}

} // namespace
} // namespace qtr
