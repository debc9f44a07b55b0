#include "LinkWindowTest.h"

#include "core/app/ModelSelection.h"
#include "gui/widgets/StatusPanes.h"
#include "gui/link/DemoRadio.h"
#include "gui/link/RadioInformationDialog.h"

#include <QLabel>

namespace qtr {
namespace {

class DemoRadioTest : public test::LinkWindowTest {
protected:
    void StartDemo()
    {
        App().comPort = 4;
        Link().Port().SetPort(4);
        demo = std::make_unique<gui::DemoRadio>(App(), Link(), harness.settings);
        Frame().ShowPortInStatusBar();
    }

    std::unique_ptr<gui::DemoRadio> demo;
};

TEST_F(DemoRadioTest, AFactoryRadioOfTheModelAnswersOnPortOneForThisRunOnly)
{
    StartDemo();
    EXPECT_EQ(Frame().Panes().PortText(), "COM1");
    EXPECT_EQ(Link().Port().DeviceName(), demo->Radio().SlavePath());
    EXPECT_FALSE(harness.settings.ReadText("Ports", "COM1"));

    QString model;
    RunWithDialog(command::kRadioInformation, [&](QWidget& shown) {
        auto& dialog = dynamic_cast<gui::RadioInformationDialog&>(shown);
        model = dialog.Value(gui::RadioInformationDialog::Model).text();
        dialog.accept();
    });
    EXPECT_EQ(model, "  RB-7100 Parlane (VHF)");
    EXPECT_EQ(demo->Radio().Memory()[447], App().state.image[447]);

    demo.reset();
    EXPECT_EQ(App().comPort, 4);
    EXPECT_EQ(Link().Port().Port(), 4);
    EXPECT_EQ(Link().Port().DeviceName(), "/dev/ttyUSB3");
    harness.Program().Exit();
    EXPECT_EQ(harness.settings.ReadInteger("Backup", "ComPort"), 4);
    EXPECT_FALSE(harness.settings.ReadText("Ports", "COM1"));
}

// It stands for the radio of the data's model, so a write after a model change finds one.
TEST_F(DemoRadioTest, AModelChangeBringsAFactoryRadioOfTheNewModel)
{
    StartDemo();
    ModelSelection selection(App().state, App().document, App().replacement, harness.prompter);
    selection.SelectModel(3);
    ASSERT_EQ(selection.Ok(), ModelSelection::Outcome::Closed);
    ASSERT_EQ(App().state.ImageModelCode(), "P81L0");
    const auto radioMemory = demo->Radio().Memory();
    EXPECT_TRUE(std::equal(radioMemory.begin() + 440, radioMemory.begin() + 448, App().state.image.begin() + 440));
    EXPECT_EQ(Link().Port().DeviceName(), demo->Radio().SlavePath());
}

TEST_F(DemoRadioTest, APortChosenDuringTheDemoIsKept)
{
    StartDemo();
    App().comPort = 7;
    demo.reset();
    EXPECT_EQ(App().comPort, 7);
    EXPECT_EQ(Link().Port().Port(), 7);
}

TEST(DemoSwitchTest, IsTakenOutOfTheCommandLine)
{
    QStringList arguments{"radio.dat", "--demo"};
    EXPECT_TRUE(gui::DemoRadio::TakeSwitch(arguments));
    EXPECT_EQ(arguments, QStringList{"radio.dat"});
    EXPECT_FALSE(gui::DemoRadio::TakeSwitch(arguments));
}

} // namespace
} // namespace qtr
