#include "core/app/RefreshTitle.h"

#include "TestImages.h"
#include "core/base/MessageCatalog.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Document.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class RefreshTitleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<int> ids{messages::app::kProgramName, messages::document::kUntitled, messages::document::kFileName};
        catalog.LoadText(ids, "^#003001001\nQTR-31X\n^#003001003\nUntitled\n^#003018005\nFile Name\n");
    }
    std::string Title(int modelType, std::uint8_t typeByte, bool fifteen = false, std::string name = "Untitled")
    {
        test::StartWithModel(state, test::RecordFor(modelType, typeByte, fifteen));
        return RefreshTitle(state, catalog, name);
    }

    MessageCatalog catalog;
    RadioState state;
};

TEST_F(RefreshTitleTest, LmrTitlesShortenTheNameAndShowBandAndChannelsInParentheses)
{
    EXPECT_EQ(Title(3, 0x8B), "QTR-31X [RB-8100L  LMR UHF:450-470 MHz(*16 Channels)] [File Name : Untitled ]");
    EXPECT_EQ(Title(3, 0x8B, true), "QTR-31X [RB-8100L  LMR UHF:450-470 MHz(15 Channels)] [File Name : Untitled ]");
    EXPECT_EQ(Title(0, 0x15, false, "a.dat"), "QTR-31X [RB-7100    LMR VHF:150-174 MHz(8 Channels)] [File Name : a.dat ]");
}

TEST_F(RefreshTitleTest, ParlaneTitlesKeepTheFullNameAndShowTheChannelsOnly)
{
    EXPECT_EQ(Title(4, 0x10), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : Untitled ]");
    EXPECT_EQ(Title(7, 0x85), "QTR-31X [RB-8100L  Parlane (UHF) 8 Channels] [File Name : Untitled ]");
}

TEST_F(RefreshTitleTest, TheLVariantFollowsTheOptionBitsOfTheCurrentModel)
{
    Title(6, 0x80);
    state.currentModel[identity::kRecordOption] = 0xFD;
    EXPECT_EQ(RefreshTitle(state, catalog, "x"), "QTR-31X [RB-8100L  Parlane (UHF) 2 Channels] [File Name : x ]");
}

} // namespace
} // namespace qtr
