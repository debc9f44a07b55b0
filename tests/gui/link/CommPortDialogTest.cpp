#include "LinkWindowTest.h"

#include "gui/widgets/StatusPanes.h"
#include "gui/link/CommPortDialog.h"

#include <QLabel>
#include <QRadioButton>

namespace qtr {
namespace {

class CommPortDialogTest : public test::LinkWindowTest {
protected:
    // Every port named, so that no device of the machine running the tests takes part.
    void NameAllPorts()
    {
        for (int port = 1; port <= 20; ++port)
            harness.settings.WriteText("Ports", "COM" + std::to_string(port), "/nonexistent/tty" + std::to_string(port));
        harness.settings.WriteText("Ports", "COM2", "/dev/null");
    }
};

TEST_F(CommPortDialogTest, OffersTheSerialPortsWithTheirDevicesAndOkSelectsOne)
{
    NameAllPorts();
    const std::string first = StartRadio(LmrUhfRadio(), 1).SlavePath();
    const std::string fifth = StartRadio(LmrUhfRadio(), 5).SlavePath();
    QStringList labels;
    QStringList devices;
    QList<bool> usable;
    bool firstChecked = false;
    RunWithDialog(command::kCommunicationPort, [&](QWidget& shown) {
        auto& dialog = dynamic_cast<gui::CommPortDialog&>(shown);
        for (int port = 1; port <= 20; ++port) {
            labels << dialog.PortButton(port)->text();
            devices << dialog.DeviceLabel(port)->text();
            usable << dialog.PortButton(port)->isEnabled();
        }
        firstChecked = dialog.PortButton(1)->isChecked();
        dialog.PortButton(5)->click();
        dialog.accept();
    });

    EXPECT_EQ(labels.first(), "COM1");
    EXPECT_EQ(labels[3], "COM4");
    EXPECT_EQ(labels.last(), "COM20");
    EXPECT_EQ(devices.first().toStdString(), first);
    EXPECT_EQ(devices[1], "/dev/null");
    EXPECT_EQ(devices.last(), "/nonexistent/tty20");
    EXPECT_EQ(usable.count(true), 2);
    EXPECT_TRUE(usable[0] && usable[4]);
    EXPECT_TRUE(firstChecked);
    EXPECT_EQ(Frame().Panes().PortText(), "COM5");
    EXPECT_EQ(Link().Port().Port(), 5);
    EXPECT_EQ(Link().Port().DeviceName(), fifth);
    EXPECT_FALSE(Link().Port().IsOpen());

    harness.Program().Exit();
    EXPECT_EQ(harness.settings.ReadInteger("Backup", "ComPort"), 5);
}

} // namespace
} // namespace qtr
