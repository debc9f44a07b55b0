#include "FeatureWindowTest.h"

#include "core/base/messages/Common.h"
#include "core/base/messages/Dtmf.h"
#include "core/features/DtmfForm.h"
#include "core/features/VantalinkForm.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/features/GridPageSettingsView.h"
#include "gui/widgets/CodeGridWidget.h"

#include <QClipboard>
#include <QMenuBar>
#include <QTabWidget>

namespace qtr {
namespace {

using Dtmf = DtmfForm;

class DtmfWindowTest : public test::FeatureWindowTest {
protected:
    gui::SettingsFormWidget& OpenDtmf()
    {
        UseModel(kLmrVhf, 0x15);
        return Open(command::kDtmf);
    }
    gui::GridPageSettingsView& View(int command = command::kDtmf)
    {
        return *static_cast<gui::GridPageSettingsView*>(Frame().EditorView(command));
    }
    gui::EditingGrid& Grid(int command = command::kDtmf) { return View(command).GridWidget().Grid(); }
    QString Cell(int row, int column = Dtmf::kEntryColumn, int command = command::kDtmf)
    {
        return Grid(command).Text({row, column});
    }
    void ShowPage(gui::SettingsFormWidget& form, int page) { form.Tabs()->setCurrentIndex(page); }
    std::string Bytes(std::size_t offset, std::size_t length)
    {
        return std::string(reinterpret_cast<const char*>(State().image.data() + offset), length);
    }
    bool InMenus(int commandId)
    {
        QAction* action = Frame().Action(commandId);
        for (QAction* menu : Frame().menuBar()->actions())
            if (menu->menu() && menu->menu()->actions().contains(action))
                return true;
        return false;
    }
};

TEST_F(DtmfWindowTest, TypingAndSpinningTheTimingFieldsWriteTheirCodes)
{
    auto& form = OpenDtmf();
    EXPECT_EQ(form.Tabs()->count(), 3);
    EXPECT_EQ(form.Tabs()->tabText(2), "Autodial Memory (DTMF)");
    TypeInto(form, Dtmf::kDtmfSpeed, "9");
    EXPECT_EQ(Byte(272), 1);
    EXPECT_EQ(TextOf(form, Dtmf::kDtmfSpeed), "8");
    TypeInto(form, Dtmf::kFirstDigitDelay, "730");
    EXPECT_EQ(Byte(274), 70);
    EXPECT_EQ(TextOf(form, Dtmf::kFirstDigitDelay), "700");
    FocusOn(form.Control(Dtmf::kFirstDigitDelay));
    Type("1000");
    Press(Qt::Key_Up); // the typed text first, then the step round to 100 ms
    EXPECT_EQ(Byte(274), 10);
    EXPECT_EQ(TextOf(form, Dtmf::kFirstDigitDelay), "100");
    TypeInto(form, Dtmf::kDCodeAssignment, "5");
    EXPECT_EQ(Byte(276), 5);
    EXPECT_EQ(TextOf(form, Dtmf::kDCodeAssignment), "5s");
    Click(form, Dtmf::kDtmfSideTone);
    EXPECT_EQ(Byte(277), 0);
    EXPECT_TRUE(App().document.IsModified());
}

TEST_F(DtmfWindowTest, TheDKeyPutsTheNoAssignmentTextIntoDCodeAssignment)
{
    auto& form = OpenDtmf();
    SetByte(276, 7);
    form.ShowAll();
    FocusOn(form.Control(Dtmf::kDCodeAssignment));
    Type("d");
    EXPECT_EQ(TextOf(form, Dtmf::kDCodeAssignment), "D");
    Press(Qt::Key_Return); // Enter moves on, which commits
    EXPECT_EQ(Byte(276), 0);
    EXPECT_EQ(Focus(), form.Control(Dtmf::kDtmfSideTone));
}

TEST_F(DtmfWindowTest, CtrlTabStepsThroughThePagesRoundBothWays)
{
    auto& form = OpenDtmf();
    FocusOn(form.Control(Dtmf::kDtmfSpeed));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Tabs()->currentIndex(), Dtmf::kIdentityPage);
    EXPECT_TRUE(form.Control(Dtmf::kIdCode)->isVisible());
    EXPECT_FALSE(form.Control(Dtmf::kDtmfSpeed)->isVisible());
    FocusOn(form.Control(Dtmf::kIdCode));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Tabs()->currentIndex(), Dtmf::kAutodialPage);
    Grid().setFocus();
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form.Tabs()->currentIndex(), Dtmf::kTimingPage);
    FocusOn(form.Control(Dtmf::kDtmfSpeed));
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Tabs()->currentIndex(), Dtmf::kAutodialPage);
}

TEST_F(DtmfWindowTest, AShortIdCodeIsRefusedTheOldCodeComesBackAndKeepsTheFocus)
{
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kIdentityPage);
    TypeInto(form, Dtmf::kIdCode, "12");
    EXPECT_EQ(harness.prompter.AskedIds(), (std::vector<int>{messages::dtmf::kCodeTooShort}));
    EXPECT_EQ(harness.prompter.asked.back().captionId, messages::common::kErrorCaption);
    EXPECT_EQ(TextOf(form, Dtmf::kIdCode), "000");
    EXPECT_EQ(Focus(), form.Control(Dtmf::kIdCode));
    EXPECT_EQ(static_cast<QLineEdit*>(Focus())->selectedText(), "000"); // the next value replaces it
    EXPECT_EQ(Bytes(288, 3), "000");
    EXPECT_FALSE(App().document.IsModified());
    // A pasted text keeps its digits only.
    QApplication::clipboard()->setText("12-34 x5678901");
    FocusOn(form.Control(Dtmf::kIdCode));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TextOf(form, Dtmf::kIdCode), "1234567890");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Bytes(288, 10), "1234567890");
    EXPECT_EQ(static_cast<QLineEdit*>(form.Control(Dtmf::kIdCode))->font().family(),
              gui::FixedPitchFont().family());
}

TEST_F(DtmfWindowTest, AStunCodeEnablesStunTypeAndHandsItTheFocus)
{
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kIdentityPage);
    SetByte(506, 0xFF);
    form.ShowAll();
    EXPECT_FALSE(form.Control(Dtmf::kStunType)->isEnabled());
    EXPECT_EQ(TextOf(form, Dtmf::kStunType), "TX Inhibit");
    // Nothing gives the window the focus back after the box (no window manager): the keys
    // reach the field, and Enter stores it all the same.
    harness.prompter.whileAsking = [] { QApplication::setActiveWindow(nullptr); };
    QWidget* stunCode = form.Control(Dtmf::kStunCode);
    TypeInto(form, Dtmf::kStunCode, "a1");
    harness.prompter.whileAsking = nullptr;
    EXPECT_EQ(harness.prompter.AskedIds(), (std::vector<int>{messages::dtmf::kCodeTooShort}));
    EXPECT_EQ(TextOf(form, Dtmf::kStunCode), "");
    EXPECT_EQ(Frame().focusWidget(), stunCode);
    QApplication::clipboard()->setText("b*c#é1");
    QTest::keyClick(stunCode, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TextOf(form, Dtmf::kStunCode), "B*C#1");
    QTest::keyClick(stunCode, Qt::Key_Return);
    EXPECT_EQ(Bytes(496, 5), "B*C#1");
    EXPECT_EQ(Byte(501), 0xFF);
    EXPECT_EQ(Byte(506), 0);
    EXPECT_TRUE(form.Control(Dtmf::kStunType)->isEnabled());
    EXPECT_EQ(Focus(), form.Control(Dtmf::kStunType));
    EXPECT_EQ(static_cast<QLineEdit*>(form.Control(Dtmf::kStunCode))->font().family(),
              gui::FixedPitchFont().family());
}

TEST_F(DtmfWindowTest, KeysOnlyEverReachAControlOnTheShownPage)
{
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kAutodialPage);
    Grid().setFocus();
    Press(Qt::Key_Return); // a cell editor, gone when the focus leaves
    Frame().OnCommand(command::kEmbeddedMessage);
    Frame().OnCommand(command::kDtmf); // back to the front, as a click on its title bar brings it
    ShowPage(form, Dtmf::kIdentityPage);
    Type("6");
    Press(Qt::Key_Tab);
    EXPECT_TRUE(Focus()->isVisible());
    EXPECT_EQ(Byte(272), 0);
}

TEST_F(DtmfWindowTest, TranspondOffDisablesClearToTranspond)
{
    SetByte(281, 1);
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kIdentityPage);
    SetByte(281, 1);
    SetByte(282, 1);
    form.ShowAll();
    EXPECT_TRUE(form.Control(Dtmf::kClearToTranspond)->isEnabled());
    Choose(form, Dtmf::kTranspond, 0);
    EXPECT_EQ(Byte(281), 0);
    EXPECT_FALSE(form.Control(Dtmf::kClearToTranspond)->isEnabled());
    EXPECT_EQ(Byte(282), 1);
    Choose(form, Dtmf::kGroupCode, 5);
    EXPECT_EQ(Byte(278), 0x23);
}

TEST_F(DtmfWindowTest, TheAutodialGridIsEditedInPlace)
{
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kAutodialPage);
    auto& grid = Grid();
    grid.setFocus();
    grid.SetCurrent({1, 1});
    Type("1a*"); // a typed character opens the editor with it
    Press(Qt::Key_Return);
    EXPECT_EQ(Bytes(512, 16), "1A*             ");
    EXPECT_EQ(Cell(1), "1A*");
    EXPECT_EQ(grid.Current(), (GridCell{2, 1}));
    Type("e"); // no DTMF character: no editor
    EXPECT_EQ(grid.Editor(), nullptr);
    Type("9");
    Press(Qt::Key_Escape); // nothing stored
    EXPECT_TRUE(State().Reader().AllEqual(528, 16, 0xFF));
    EXPECT_EQ(Cell(2), "");
    grid.SetCurrent({1, 1});
    Press(Qt::Key_Return); // opens with the cell's text
    ASSERT_NE(grid.Editor(), nullptr);
    EXPECT_EQ(static_cast<QLineEdit*>(grid.Editor())->text(), "1A*");
    Press(Qt::Key_End);
    Type("#");
    Press(Qt::Key_Return);
    EXPECT_EQ(Cell(1), "1A*#");
    grid.SetCurrent({1, 1});
    Press(Qt::Key_Delete); // opens empty
    Press(Qt::Key_Return);
    EXPECT_TRUE(State().Reader().AllEqual(512, 16, 0xFF));
    grid.SetCurrent({5, 1});
    Press(Qt::Key_Home);
    EXPECT_EQ(grid.Current(), (GridCell{1, 1}));
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "1290.html");
}

TEST_F(DtmfWindowTest, ClosingTheWindowStoresTheCodeBeingTyped)
{
    auto& form = OpenDtmf();
    ShowPage(form, Dtmf::kAutodialPage);
    Grid().setFocus();
    Grid().SetCurrent({3, 1});
    Type("55");
    Frame().CloseAllEditors();
    EXPECT_EQ(Bytes(544, 3), "55 ");
}

TEST_F(DtmfWindowTest, HelpFollowsTheWindowAndItsPages)
{
    auto& form = OpenDtmf();
    FocusOn(form.Control(Dtmf::kDtmfSpeed));
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "155.html");
    UseModel(kLmrVhf, 0x15);
    auto& vantalink = Open(command::kVantalink);
    FocusOn(vantalink.Control(VantalinkForm::kOwnFleet));
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "156.html");
}

TEST_F(DtmfWindowTest, ParlaneModelsOfferNeitherWindowAndKeepTheirBytes)
{
    UseModel(kLmrVhf, 0x15);
    Frame().RebuildMenus();
    EXPECT_TRUE(InMenus(command::kDtmf));
    EXPECT_TRUE(InMenus(command::kVantalink));
    EXPECT_TRUE(Frame().Action(command::kDtmf)->isEnabled());
    UseModel(kParlaneVhf, 0x10);
    Frame().RebuildMenus();
    EXPECT_FALSE(InMenus(command::kDtmf));
    EXPECT_FALSE(InMenus(command::kVantalink));
    const ImageBytes before = State().image;
    Frame().OnCommand(command::kDtmf);
    Frame().OnCommand(command::kVantalink);
    EXPECT_EQ(Frame().EditorView(command::kDtmf), nullptr);
    EXPECT_EQ(Frame().EditorView(command::kVantalink), nullptr);
    EXPECT_EQ(State().image, before);
}

} // namespace
} // namespace qtr
