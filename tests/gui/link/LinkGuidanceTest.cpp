#include "LinkWindowTest.h"

#include "core/base/IniSettingsFile.h"
#include "core/link/RadioSession.h"
#include "gui/program/QtSettingsStore.h"
#include "gui/widgets/StatusPanes.h"
#include "gui/link/CommPortDialog.h"
#include "gui/link/DemoRadio.h"
#include "gui/link/MessagesClearOf.h"
#include "gui/link/RadioInformationDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

namespace qtr {
namespace {

class LinkGuidanceTest : public test::LinkWindowTest {
protected:
    void NamePorts(const std::string& device)
    {
        for (int port = 1; port <= 20; ++port)
            harness.settings.WriteText("Ports", "COM" + std::to_string(port), device + std::to_string(port));
    }
};

TEST_F(LinkGuidanceTest, WithoutASerialDeviceTheChosenPortStaysMarkedAndEachSaysWhy)
{
    NamePorts("/nonexistent/tty");
    harness.settings.WriteText("Ports", "COM2", "/dev/null");
    App().comPort = 3;
    Link().Port().SetPort(3);
    bool checked = false;
    bool enabled = true;
    QStringList reasons;
    RunWithDialog(command::kCommunicationPort, [&](QWidget& shown) {
        auto& dialog = dynamic_cast<gui::CommPortDialog&>(shown);
        checked = dialog.PortButton(3)->isChecked();
        enabled = dialog.PortButton(3)->isEnabled();
        for (int port = 1; port <= 3; ++port)
            reasons << dialog.ReasonLabel(port)->text();
        dialog.accept();
    });
    EXPECT_TRUE(checked);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(reasons, QStringList({"no device", "not a serial device", "no device"}));
    EXPECT_EQ(App().comPort, 3); // OK keeps it
    EXPECT_EQ(Frame().Panes().PortText(), "COM3");
}

TEST_F(LinkGuidanceTest, TheTransferDialogSaysWhatToDoAndWhichBlockIsUnderWay)
{
    const std::string device = StartRadio(LmrUhfRadio()).SlavePath();
    QString instructions;
    QString step;
    RunWithDialog(command::kReadFromRadio, [&](QWidget& shown) {
        auto& dialog = dynamic_cast<gui::TransferDialog&>(shown);
        instructions = dialog.Instructions().text();
        StartTransfer(dialog);
        step = dialog.StepText().text();
    });
    EXPECT_TRUE(instructions.contains("cable")) << instructions.toStdString();
    EXPECT_TRUE(instructions.contains(QString::fromStdString("COM1 (" + device + ")"))) << instructions.toStdString();
    EXPECT_TRUE(instructions.contains("programming state"));
    EXPECT_EQ(step, "Reading block 16 of 16");
}

TEST_F(LinkGuidanceTest, AFailedBlockLeavesItsNumberInViewWhileRetryOrCancelIsAsked)
{
    auto profile = LmrUhfRadio();
    profile.faults.push_back({sim::Step::ReadBlock, sim::FaultKind::Silence, 6});
    StartRadio(profile);
    harness.prompter.answers = {Answer::Cancel};
    QString step;
    RunWithDialog(command::kReadFromRadio, [&](QWidget& dialog) {
        StartTransfer(dialog);
        step = dynamic_cast<gui::TransferDialog&>(dialog).StepText().text();
    });
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{RadioSession::kCommunicationFailedId});
    EXPECT_EQ(step, "Reading block 7 of 16");
}

TEST(MessagesClearOfTest, AMessageBoxOpensBesideTheWindowInsteadOfOverIt)
{
    QWidget window;
    window.setGeometry(200, 150, 360, 160);
    window.show();
    QMessageBox box(QMessageBox::Critical, "Error", "Communication with the radio failed.",
                    QMessageBox::Retry | QMessageBox::Cancel);
    {
        const gui::MessagesClearOf clear(window);
        box.show();
    }
    EXPECT_FALSE(box.frameGeometry().intersects(window.frameGeometry()))
        << box.frameGeometry().y() << " " << box.frameGeometry().height();
    box.hide();
    box.move(window.pos());
    box.show(); // no longer watched
    EXPECT_TRUE(box.frameGeometry().intersects(window.frameGeometry()));
}

TEST(MessagesClearOfTest, GoesBelowElseAboveElseBesideAndStaysOnTheScreen)
{
    const QRect screen(0, 0, 800, 600);
    const QSize box(200, 100);
    EXPECT_EQ(gui::MessagesClearOf::ClearPosition({300, 100, 200, 200}, box, screen), QPoint(299, 308));
    EXPECT_EQ(gui::MessagesClearOf::ClearPosition({300, 350, 200, 200}, box, screen), QPoint(299, 242));
    EXPECT_EQ(gui::MessagesClearOf::ClearPosition({100, 50, 200, 500}, box, screen), QPoint(308, 249));
    EXPECT_EQ(gui::MessagesClearOf::ClearPosition({0, 0, 800, 600}, box, screen), QPoint(299, 500));
}

class DemoGuidanceTest : public test::LinkWindowTest {
protected:
    void SetUp() override
    {
        LinkWindowTest::SetUp();
        demo = std::make_unique<gui::DemoRadio>(App(), Link(), harness.settings);
        demo->MarkPortPane(Frame().Panes());
        Frame().ShowPortInStatusBar();
    }

    std::unique_ptr<gui::DemoRadio> demo;
};

TEST_F(DemoGuidanceTest, TheSimulatedRadioIsNamedAsSuchWhereverItsPortShows)
{
    EXPECT_EQ(Frame().Panes().PortText(), "COM1 (simulated radio)");
    QString instructions;
    RunWithDialog(command::kReadFromRadio, [&](QWidget& dialog) {
        instructions = dynamic_cast<gui::TransferDialog&>(dialog).Instructions().text();
        TransferButton(dialog, QDialogButtonBox::Cancel).click();
    });
    EXPECT_EQ(instructions, "The radio on COM1 is simulated: no cable and no radio are needed. Press OK to start.");

    QString note;
    bool shown = false;
    RunWithDialog(command::kRadioInformation, [&](QWidget& dialog) {
        auto& information = dynamic_cast<gui::RadioInformationDialog&>(dialog);
        note = information.SimulatedNote().text();
        shown = information.SimulatedNote().isVisible();
        information.accept();
    });
    EXPECT_EQ(note, "COM1 (simulated radio)");
    EXPECT_TRUE(shown);

    QString reason;
    RunWithDialog(command::kCommunicationPort, [&](QWidget& dialog) {
        reason = dynamic_cast<gui::CommPortDialog&>(dialog).ReasonLabel(1)->text();
        dynamic_cast<QDialog&>(dialog).reject();
    });
    EXPECT_EQ(reason, "(simulated radio)");

    App().comPort = 2;
    Frame().ShowPortInStatusBar();
    EXPECT_EQ(Frame().Panes().PortText(), "COM2");
}

// The command-line tool reads the file this store writes.
TEST(SettingsFileTest, TheDesktopProgramsPortsAreReadWithoutTheToolkit)
{
    {
        gui::QtSettingsStore store;
        store.WriteText("Ports", "COM3", "/some/device");
        store.WriteText("Ports", "COM4", "/dev/serial/by-id/usb-x,y=1;z");
        store.WriteText("Ports", "COM5", "@ odd \"name\" ");
        store.WriteText("Backup", "ComPort", "3");
    }
    const IniSettingsFile file(IniSettingsFile::DefaultPath());
    EXPECT_EQ(file.ReadText("Ports", "COM3"), "/some/device");
    EXPECT_EQ(file.ReadText("Ports", "COM4"), "/dev/serial/by-id/usb-x,y=1;z");
    EXPECT_EQ(file.ReadText("Ports", "COM5"), "@ odd \"name\" ");
    EXPECT_EQ(file.ReadInteger("Backup", "ComPort"), 3);
}

} // namespace
} // namespace qtr
