#include "ChannelWindowTest.h"

#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "gui/channels/TestFrequencyView.h"

namespace qtr {
namespace {

class TestFrequencyWindowTest : public test::ChannelWindowTest {
protected:
    gui::EditingGrid& Open(int modelType = kLmrVhf, std::uint8_t typeByte = 0x15)
    {
        OpenGrid(modelType, typeByte);
        Frame().OnCommand(command::kTestFrequency);
        TestGrid().setFocus();
        return TestGrid();
    }
    gui::EditingGrid& TestGrid()
    {
        return static_cast<gui::TestFrequencyView*>(Frame().EditorView(command::kTestFrequency))->Grid();
    }
    QString TestCell(int row, int column) { return TestGrid().Text({row, column}); }
    void EnterAt(int row, int column, const QString& keys)
    {
        TestGrid().SetCurrent({row, column});
        Press(Qt::Key_Delete);
        Type(keys);
        Press(Qt::Key_Return);
    }
    void Close()
    {
        Frame().EditorWindow(command::kTestFrequency)->parentWidget()->close();
        QCoreApplication::processEvents();
    }
    std::uint8_t StepByte(int entry) { return Byte(480 + static_cast<std::size_t>(entry) - 1); }
};

TEST_F(TestFrequencyWindowTest, AReceiveFrequencyIsMovedOntoTheBestStepAndCopiedToAnEmptyTransmit)
{
    Open();
    EXPECT_EQ(TestGrid().horizontalHeaderItem(1)->text(), "RX [MHz]");
    EXPECT_EQ(TestCell(1, 1), "162.05000");
    EXPECT_EQ(TestCell(7, 1), "");

    TestGrid().SetCurrent({7, 1});
    Type("151.8213");
    Press(Qt::Key_Return);
    EXPECT_EQ(TestCell(7, 1), "151.82250");
    EXPECT_EQ(TestCell(7, 2), "151.82250");
    EXPECT_EQ(StepByte(7), 0x33);
    EXPECT_EQ(Byte(640 + 6 * 8), 0x50); // 151.82250, least significant digits first
    EXPECT_EQ(Byte(640 + 6 * 8 + 1), 0x22);
    EXPECT_EQ(TestGrid().Current(), (GridCell{7, 2}));
}

TEST_F(TestFrequencyWindowTest, UhfModelsNeverUseTheSevenAndAHalfKilohertzStep)
{
    Open(kLmrUhfL, 0x85);
    EnterAt(7, 1, "462.5625");
    EXPECT_EQ(TestCell(7, 1), "462.56250");
    EXPECT_EQ(StepByte(7) >> 4, 2);
}

TEST_F(TestFrequencyWindowTest, EmptyingACellEmptiesTheEntryAndTheLastOneBringsTheDefaultsBack)
{
    Open();
    EnterAt(1, 2, "");
    EXPECT_EQ(TestCell(1, 1), "");
    EXPECT_EQ(TestCell(1, 2), "");
    EXPECT_EQ(StepByte(1), 0xFF);

    for (int row = 2; row <= 5; ++row)
        EnterAt(row, 1, "");
    EXPECT_EQ(TestCell(6, 1), "162.40000");
    EnterAt(6, 1, "");
    EXPECT_EQ(TestCell(1, 1), "162.05000");
    EXPECT_EQ(TestCell(3, 2), "173.90000");
    EXPECT_EQ(TestCell(6, 1), "162.40000");
}

TEST_F(TestFrequencyWindowTest, EnterMovesRightAndWrapsExceptInTheLastCell)
{
    Open();
    TestGrid().SetCurrent({3, 2});
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_EQ(TestGrid().Current(), (GridCell{4, 1}));
    TestGrid().SetCurrent({16, 2});
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_EQ(TestGrid().Current(), (GridCell{16, 2}));
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    EXPECT_EQ(TestGrid().Current(), (GridCell{15, 2}));
}

TEST_F(TestFrequencyWindowTest, ClosingWarnsOnlyAfterAChange)
{
    Open();
    EnterAt(2, 1, "150.05000");    // the same text again
    TestGrid().SetCurrent({3, 1});
    Type("170");
    Press(Qt::Key_Escape);          // dropped
    EXPECT_EQ(TestCell(3, 1), "173.95000");
    Close();
    EXPECT_TRUE(harness.prompter.asked.empty());

    Open();
    TestGrid().SetCurrent({4, 2});
    Type("162.1");                  // still being edited when the window closes
    Close();
    EXPECT_EQ(harness.prompter.AskedIds(), (std::vector<int>{messages::channels::kTestFrequenciesChanged}));
    EXPECT_EQ(harness.prompter.asked[0].captionId, messages::common::kWarningCaption);
    EXPECT_EQ(Byte(640 + 3 * 8 + 4 + 2), 0x21); // 162.10000 stored before the window went
}

} // namespace
} // namespace qtr
