#include "FeatureWindowTest.h"

#include "core/features/VantalinkForm.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/features/GridPageSettingsView.h"
#include "gui/widgets/CodeGridWidget.h"

#include <QClipboard>
#include <QTabWidget>

namespace qtr {
namespace {

using Vantalink = VantalinkForm;

class VantalinkWindowTest : public test::FeatureWindowTest {
protected:
    gui::SettingsFormWidget& OpenVantalink()
    {
        UseModel(kLmrVhf, 0x15);
        return Open(command::kVantalink);
    }
    gui::EditingGrid& Grid()
    {
        return static_cast<gui::GridPageSettingsView*>(Frame().EditorView(command::kVantalink))->GridWidget().Grid();
    }
    QString Cell(int row, int column) { return Grid().Text({row, column}); }
    unsigned Word(std::size_t offset) { return Byte(offset) | (Byte(offset + 1) << 8); }
    gui::EditingGrid& ShowGrid(gui::SettingsFormWidget& form)
    {
        form.Tabs()->setCurrentIndex(Vantalink::kFleetIdPage);
        Grid().setFocus();
        return Grid();
    }
};

TEST_F(VantalinkWindowTest, OwnFleetAndIdAreTypedAndSpunTogether)
{
    auto& form = OpenVantalink();
    EXPECT_EQ(form.Tabs()->count(), 2);
    EXPECT_EQ(TextOf(form, Vantalink::kOwnFleet), "");
    TypeInto(form, Vantalink::kOwnFleet, "50");
    EXPECT_EQ(Byte(368), 1);
    EXPECT_EQ(Word(369), 1U);
    EXPECT_EQ(TextOf(form, Vantalink::kOwnFleet), "100");
    EXPECT_EQ(TextOf(form, Vantalink::kOwnId), "1000");
    FocusOn(form.Control(Vantalink::kOwnId));
    Press(Qt::Key_Down); // round to 4999
    EXPECT_EQ(Byte(369), 0xA0);
    EXPECT_EQ(Byte(370), 0x0F);
    EXPECT_EQ(TextOf(form, Vantalink::kOwnId), "4999");
    FocusOn(form.Control(Vantalink::kOwnId));
    Press(Qt::Key_Delete);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Byte(368), 0xFF);
    EXPECT_EQ(Word(369), 0U);
    EXPECT_EQ(TextOf(form, Vantalink::kOwnFleet), "");
    EXPECT_EQ(TextOf(form, Vantalink::kOwnId), "");
    FocusOn(form.Control(Vantalink::kOwnFleet));
    Press(Qt::Key_Down); // from not set: the lowest fleet, and an ID with it
    EXPECT_EQ(TextOf(form, Vantalink::kOwnFleet), "100");
    EXPECT_EQ(TextOf(form, Vantalink::kOwnId), "1000");
    EXPECT_EQ(static_cast<gui::StepEdit*>(form.Control(Vantalink::kOwnFleet))->Edit().font().family(),
              gui::FixedPitchFont().family());
}

TEST_F(VantalinkWindowTest, TimingFieldsAreLimitedAndPastedLettersDropped)
{
    auto& form = OpenVantalink();
    TypeInto(form, Vantalink::kModulationDelayTime, "9999");
    EXPECT_EQ(Byte(371), 0x70);
    EXPECT_EQ(Byte(372), 0x17);
    EXPECT_EQ(TextOf(form, Vantalink::kModulationDelayTime), "6000");
    QApplication::clipboard()->setText("1é2a");
    FocusOn(form.Control(Vantalink::kMessageModeTimer));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TextOf(form, Vantalink::kMessageModeTimer), "12");
    Press(Qt::Key_Return);
    EXPECT_EQ(Word(374), 12U);
    EXPECT_EQ(Focus(), form.Control(Vantalink::kPttIdSideTone));
    Choose(form, Vantalink::kBaudRate, 1);
    EXPECT_EQ(Byte(373), 1);
}

TEST_F(VantalinkWindowTest, TheFleetIdGridTakesTheWildcardLetterAndPairsTheOtherCell)
{
    auto& form = OpenVantalink();
    SetByte(460, 0x5A);
    auto& grid = ShowGrid(form);
    grid.SetCurrent({1, Vantalink::kFleetColumn});
    Type("a");
    Type("7"); // no digit joins the wildcard letter
    EXPECT_EQ(static_cast<QLineEdit*>(grid.Editor())->text(), "A");
    Press(Qt::Key_Return);
    EXPECT_EQ(Byte(448), 0);
    EXPECT_EQ(Word(449), 0U);
    EXPECT_EQ(Cell(1, Vantalink::kFleetColumn), "All");
    EXPECT_EQ(Cell(1, Vantalink::kIdColumn), "All");
    EXPECT_EQ(grid.Current(), (GridCell{1, Vantalink::kIdColumn})); // Enter moves right
    grid.SetCurrent({5, Vantalink::kIdColumn});
    Type("120");
    Press(Qt::Key_Return);
    EXPECT_EQ(Byte(464), 0);
    EXPECT_EQ(Byte(465), 0x01);
    EXPECT_EQ(Byte(466), 0x00);
    EXPECT_EQ(Cell(5, Vantalink::kIdColumn), "1000");
    EXPECT_EQ(grid.Current(), (GridCell{6, Vantalink::kFleetColumn}));
    EXPECT_EQ(Byte(460), 0x5A);
    // Enter opens the cell with its text; the wildcard text stays the wildcard.
    grid.SetCurrent({1, Vantalink::kIdColumn});
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_EQ(Word(449), 0U);
    // Delete opens the cell empty: the whole entry goes.
    grid.SetCurrent({5, Vantalink::kFleetColumn});
    Press(Qt::Key_Delete);
    Press(Qt::Key_Return);
    EXPECT_TRUE(State().Reader().AllEqual(464, 3, 0xFF));
    EXPECT_EQ(Cell(5, Vantalink::kIdColumn), "");
    grid.SetCurrent({8, Vantalink::kIdColumn});
    Type("4");
    Press(Qt::Key_Escape);
    EXPECT_TRUE(State().Reader().AllEqual(473, 3, 0xFF));
    Press(Qt::Key_Home);
    EXPECT_EQ(grid.Current(), (GridCell{1, Vantalink::kIdColumn}));
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "1324.html");
    EXPECT_EQ(Byte(460), 0x5A);
}

TEST_F(VantalinkWindowTest, APastedTextIsFilteredInTheGridEditor)
{
    auto& form = OpenVantalink();
    auto& grid = ShowGrid(form);
    grid.SetCurrent({3, Vantalink::kIdColumn});
    Press(Qt::Key_Delete);
    QApplication::clipboard()->setText("a12");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(static_cast<QLineEdit*>(grid.Editor())->text(), "A");
    Press(Qt::Key_Return);
    EXPECT_EQ(Byte(454), 0);
    EXPECT_EQ(Word(455), 0U);
    grid.SetCurrent({4, Vantalink::kIdColumn});
    Press(Qt::Key_Delete);
    QApplication::clipboard()->setText("x2é0007");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(static_cast<QLineEdit*>(grid.Editor())->text(), "2000");
}

TEST_F(VantalinkWindowTest, LeavingTheGridEditorStoresTheCell)
{
    auto& form = OpenVantalink();
    auto& grid = ShowGrid(form);
    grid.SetCurrent({2, Vantalink::kFleetColumn});
    Type("349");
    FocusOn(form.Control(Vantalink::kOwnFleet)); // the editor loses the focus
    EXPECT_EQ(Byte(451), 250);
    EXPECT_EQ(Word(452), 0U);
    EXPECT_EQ(Cell(2, Vantalink::kFleetColumn), "349");
}

TEST_F(VantalinkWindowTest, VisitingACellWithoutTypingStoresNothingButDeleteClears)
{
    auto& form = OpenVantalink();
    // Fleet byte 251 is outside every fleet: the cell shows blank beside its ID.
    App().state.image[448] = 251;
    App().state.image[449] = 5;
    App().state.image[450] = 0;
    form.Tabs()->setCurrentIndex(Vantalink::kFleetIdPage);
    auto& grid = ShowGrid(form);
    grid.SetCurrent({1, Vantalink::kFleetColumn});
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    FocusOn(form.Control(Vantalink::kOwnFleet));
    EXPECT_EQ(Byte(448), 251);
    EXPECT_EQ(Word(449), 5U);

    grid.setFocus();
    grid.SetCurrent({1, Vantalink::kFleetColumn});
    QTest::keyClick(&grid, Qt::Key_Delete);
    FocusOn(form.Control(Vantalink::kOwnFleet));
    EXPECT_EQ(Byte(448), 0xFF) << "a deleted cell empties the entry";
    EXPECT_EQ(Word(449), 0xFFFFU);
}

} // namespace
} // namespace qtr
