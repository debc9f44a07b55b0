#include "FeatureWindowTest.h"

#include "core/features/KeyAssignmentForm.h"
#include "core/features/OptionalFeaturesForm.h"
#include "core/features/ScanForm.h"
#include "gui/model/ModelInformationDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>

namespace qtr {
namespace {

class FeatureUndoTest : public test::FeatureWindowTest {
protected:
    void SetUp() override
    {
        FeatureWindowTest::SetUp();
        UseModel(kLmrVhf, 0x15);
        App().history.Clear(); // the test installed the radio without a New
    }
    void Undo() { Frame().Action(command::kUndo)->trigger(); }
    void Redo() { Frame().Action(command::kRedo)->trigger(); }
};

TEST_F(FeatureUndoTest, AListChoiceOfEachSettingsWindowIsUndoneAndShownAgain)
{
    struct Case {
        int command;
        int row;
    };
    for (const Case& c : {Case{command::kOptionalFeatures, OptionalFeaturesForm::kMicSensitivity},
                          Case{command::kKeyAssignment, KeyAssignmentForm::kPf1},
                          Case{command::kScanInformation, ScanForm::kPriority}}) {
        gui::SettingsFormWidget& form = Open(c.command);
        const ImageBytes before = State().image;
        const QString shown = TextOf(form, c.row);
        Choose(form, c.row, static_cast<QComboBox*>(form.Control(c.row))->currentIndex() == 0 ? 1 : 0);
        Press(Qt::Key_Tab); // lists that store when they are left
        const ImageBytes after = State().image;
        ASSERT_NE(after, before) << c.command;
        EXPECT_TRUE(Frame().Action(command::kUndo)->text().startsWith("&Undo ")) << c.command;
        Undo();
        EXPECT_EQ(State().image, before) << c.command;
        EXPECT_EQ(TextOf(FormOf(c.command), c.row), shown) << c.command;
        Redo();
        EXPECT_EQ(State().image, after) << c.command;
        EXPECT_NE(TextOf(FormOf(c.command), c.row), shown) << c.command;
    }
}

TEST_F(FeatureUndoTest, TheUndoKeysUndoTypingInAFieldThenTheCommits)
{
    gui::SettingsFormWidget& form = Open(command::kOptionalFeatures);
    const ImageBytes before = State().image;
    const QString shown = TextOf(form, OptionalFeaturesForm::kTimeOutTimer);
    TypeInto(form, OptionalFeaturesForm::kTimeOutTimer, "300");
    const ImageBytes committed = State().image;
    ASSERT_NE(committed, before);
    // The focus is in the next field, which has nothing of its own to undo.
    FocusOn(form.Control(OptionalFeaturesForm::kTotPreAlert));
    Type("5");
    Press(Qt::Key_Z, Qt::ControlModifier); // the typing in the field
    EXPECT_EQ(State().image, committed);
    Press(Qt::Key_Z, Qt::ControlModifier); // the commit
    EXPECT_EQ(State().image, before);
    EXPECT_EQ(TextOf(form, OptionalFeaturesForm::kTimeOutTimer), shown);
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(State().image, committed);
}

TEST_F(FeatureUndoTest, UndoFromTheMenuStoresATypedValueFirstAndTakesItBack)
{
    gui::SettingsFormWidget& form = Open(command::kOptionalFeatures);
    const ImageBytes before = State().image;
    FocusOn(form.Control(OptionalFeaturesForm::kTimeOutTimer));
    Type("300");
    Frame().OnCommand(command::kUndo);
    EXPECT_EQ(State().image, before);
    EXPECT_TRUE(App().history.CanRedo());
}

TEST_F(FeatureUndoTest, AModelChangeIsUndoneWithItsModel)
{
    const ImageBytes lmr = State().image;
    test::WhenModal([](QWidget& modal) {
        auto& dialog = dynamic_cast<gui::ModelInformationDialog&>(modal);
        dialog.ModelList()->setCurrentIndex(4);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Frame().Action(command::kModelInformation)->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(State().IsParlane());
    EXPECT_EQ(Frame().Action(command::kUndo)->text(), "&Undo Model Type");
    EXPECT_FALSE(harness.ItemsOf("&Edit").contains("&DTMF"));

    Undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(State().image, lmr);
    EXPECT_FALSE(State().IsParlane());
    EXPECT_TRUE(harness.ItemsOf("&Edit").contains("&DTMF")); // the menus follow the model back
    EXPECT_TRUE(harness.ShownTitle().contains("LMR"));
    Redo();
    QCoreApplication::processEvents();
    EXPECT_TRUE(State().IsParlane());
}

} // namespace
} // namespace qtr
