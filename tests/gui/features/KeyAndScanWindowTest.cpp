#include "FeatureWindowTest.h"

#include "core/base/messages/Channels.h"
#include "core/features/KeyAssignmentForm.h"
#include "core/features/ScanForm.h"
#include "gui/features/KeyAssignmentView.h"
#include "gui/features/RadioKeysPicture.h"

namespace qtr {
namespace {

using Keys = KeyAssignmentForm;
using Scan = ScanForm;
using Key = gui::RadioKeysPicture::Key;

class KeyAndScanWindowTest : public test::FeatureWindowTest {
protected:
    gui::KeyAssignmentView& KeyView()
    {
        return *static_cast<gui::KeyAssignmentView*>(Frame().EditorView(command::kKeyAssignment));
    }
    void ProgramOnly(std::initializer_list<int> channels)
    {
        for (int channel = 1; channel <= 16; ++channel)
            SetByte(16 * static_cast<std::size_t>(channel), 0xFF);
        for (int channel : channels)
            SetByte(16 * static_cast<std::size_t>(channel), 0x00);
    }
};

TEST_F(KeyAndScanWindowTest, AKeyIsStoredWhenItsListIsLeftAndThePictureFollowsTheFocus)
{
    UseModel(kLmrVhf, 0x15);
    auto& keys = Open(command::kKeyAssignment);
    FocusOn(keys.Control(Keys::kPf1));
    static_cast<QComboBox*>(keys.Control(Keys::kPf1))->setCurrentIndex(12);
    EXPECT_EQ(Byte(285), 1); // not yet
    Press(Qt::Key_Return);
    EXPECT_EQ(Byte(285), 11);
    EXPECT_EQ(Focus(), keys.Control(Keys::kPf2));
    EXPECT_EQ(KeyView().Picture().Highlighted(), Key::Pf2);
    Press(Qt::Key_Return); // from PF2 back to PF1
    EXPECT_EQ(Focus(), keys.Control(Keys::kPf1));
    EXPECT_EQ(KeyView().Picture().Highlighted(), Key::Pf1);
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "525.html");
}

TEST_F(KeyAndScanWindowTest, ParlaneListsAreNumberedAndSSelectorShowsOnFifteenChannelModelsOnly)
{
    UseModel(kParlaneVhf, 0x10);
    auto& parlane = Open(command::kKeyAssignment);
    EXPECT_EQ(EntriesOf(parlane, Keys::kPf1).size(), 12);
    EXPECT_TRUE(EntriesOf(parlane, Keys::kPf1)[1].startsWith("(01) "));
    EXPECT_FALSE(RowShown(parlane, Keys::kSSelector));
    UseSixteenChannelLmr();
    EXPECT_FALSE(RowShown(Open(command::kKeyAssignment), Keys::kSSelector));
    UseFifteenChannelLmr();
    auto& fifteen = Open(command::kKeyAssignment);
    EXPECT_TRUE(RowShown(fifteen, Keys::kSSelector));
    EXPECT_TRUE(static_cast<QCheckBox*>(fifteen.Control(Keys::kSSelector))->isChecked());
    EXPECT_EQ(EntriesOf(fifteen, Keys::kPf1).size(), 11); // codes 6 and 7 belong to S-Selector
}

TEST_F(KeyAndScanWindowTest, SSelectorWithTheScanWindowOpenRebuildsIt)
{
    UseFifteenChannelLmr();
    ProgramOnly({2, 5, 9});
    SetByte(284, 0xFF);
    SetByte(352, 1);
    SetByte(356, 1);
    auto& scan = Open(command::kScanInformation);
    EXPECT_FALSE(scan.Control(Scan::kFixedChannel)->isEnabled());
    EXPECT_EQ(EntriesOf(scan, Scan::kRevertChannel).size(), 4);
    auto& keys = Open(command::kKeyAssignment);
    Click(keys, Keys::kSSelector);
    EXPECT_EQ(Byte(284), 1);
    EXPECT_EQ(Byte(356), 6);
    EXPECT_EQ(EntriesOf(scan, Scan::kRevertChannel).size(), 3);
    EXPECT_TRUE(scan.Control(Scan::kFixedChannel)->isEnabled());
    EXPECT_EQ(EntriesOf(scan, Scan::kFixedChannel), (QStringList{"2", "5", "9"}));
    EXPECT_EQ(Byte(363), 2);
    EXPECT_EQ(EntriesOf(keys, Keys::kPf1).size(), 11);

    Click(keys, Keys::kSSelector);
    EXPECT_EQ(Byte(284), 0xFF);
    EXPECT_EQ(EntriesOf(scan, Scan::kRevertChannel).size(), 4);
    EXPECT_FALSE(scan.Control(Scan::kFixedChannel)->isEnabled());
    EXPECT_EQ(Byte(363), 0xFF);
}

TEST_F(KeyAndScanWindowTest, SSelectorWithTheScanWindowClosedSettlesTheFixedChannel)
{
    UseFifteenChannelLmr();
    ProgramOnly({3, 4});
    SetByte(284, 0xFF);
    SetByte(363, 0xFF);
    auto& keys = Open(command::kKeyAssignment);
    Click(keys, Keys::kSSelector);
    EXPECT_EQ(Byte(363), 3);
    Click(keys, Keys::kSSelector);
    EXPECT_EQ(Byte(363), 0xFF);
}

TEST_F(KeyAndScanWindowTest, ScanTimesAreTypedAndSpunIntoTheImage)
{
    UseModel(kLmrVhf, 0x15);
    SetByte(352, 1);
    auto& scan = Open(command::kScanInformation);
    TypeInto(scan, Scan::kLookBackTimeA, "2.47");
    EXPECT_EQ(Byte(354), 40);
    EXPECT_EQ(TextOf(scan, Scan::kLookBackTimeA), "2.45");
    TypeInto(scan, Scan::kDropoutDelayTime, "450");
    EXPECT_EQ(Byte(357), 0x2C);
    EXPECT_EQ(Byte(358), 0x01);
    FocusOn(scan.Control(Scan::kLookBackTimeB));
    Type("5");
    Press(Qt::Key_Up); // the typed 5.00 first, then up: wraps to 0.50
    EXPECT_EQ(Byte(355), 1);
    EXPECT_EQ(TextOf(scan, Scan::kLookBackTimeB), "0.50");
}

TEST_F(KeyAndScanWindowTest, PriorityRulesEnableRowsAndRefuseAnEmptyChannel)
{
    UseModel(kLmrVhf, 0x15);
    ProgramOnly({1, 2});
    auto& scan = Open(command::kScanInformation);
    EXPECT_FALSE(scan.Control(Scan::kPriorityChannel)->isEnabled());
    Choose(scan, Scan::kPriority, 1); // code 1
    EXPECT_EQ(Byte(352), 1);
    EXPECT_TRUE(scan.Control(Scan::kPriorityChannel)->isEnabled());
    EXPECT_TRUE(scan.Control(Scan::kLookBackTimeA)->isEnabled());
    TypeInto(scan, Scan::kPriorityChannel, "5");
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::channels::kNotProgrammed});
    EXPECT_EQ(Byte(353), 0xFF);
    EXPECT_EQ(TextOf(scan, Scan::kPriorityChannel), "");
    TypeInto(scan, Scan::kPriorityChannel, "2");
    EXPECT_EQ(Byte(353), 2);
}

TEST_F(KeyAndScanWindowTest, ScanLayoutsFollowTheModel)
{
    UseModel(kParlaneVhf, 0x10);
    auto& parlane = Open(command::kScanInformation);
    for (int row : {Scan::kPriorityChannel, Scan::kLookBackTimeA, Scan::kDropoutDelayTime, Scan::kRevertChannel,
                    Scan::kFixedChannel})
        EXPECT_FALSE(RowShown(parlane, row)) << row;
    UseFifteenChannelParlane();
    auto& fifteen = Open(command::kScanInformation);
    EXPECT_TRUE(RowShown(fifteen, Scan::kRevertChannel));
    EXPECT_TRUE(RowShown(fifteen, Scan::kFixedChannel)); // S-Selector is on by default
    UseSixteenChannelLmr();
    auto& lmr = Open(command::kScanInformation);
    EXPECT_TRUE(RowShown(lmr, Scan::kDropoutDelayTime));
    EXPECT_FALSE(RowShown(lmr, Scan::kFixedChannel));
}

TEST_F(KeyAndScanWindowTest, EditorsCloseWithCloseAllWindowsAndBeforeANewImage)
{
    UseModel(kLmrVhf, 0x15);
    Open(command::kKeyAssignment);
    Open(command::kScanInformation);
    Frame().OnCommand(command::kCloseAllWindows);
    EXPECT_EQ(Frame().EditorView(command::kKeyAssignment), nullptr);
    EXPECT_EQ(Frame().EditorView(command::kScanInformation), nullptr);
    Open(command::kScanInformation);
    Open(command::kOptionalFeatures);
    App().document.NewDocument();
    EXPECT_EQ(Frame().EditorView(command::kScanInformation), nullptr);
    EXPECT_EQ(Frame().EditorView(command::kOptionalFeatures), nullptr);
}

} // namespace
} // namespace qtr
