#include "LinkWindowTest.h"
#include "TempFolder.h"

#include "gui/link/FleetWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>

#include <fstream>
#include <set>

namespace qtr {
namespace {

constexpr int kGoodPorts[] = {2, 3};
constexpr int kFailingPort = 4;
constexpr int kRunBoundMs = 30000;
constexpr int kDtmfColumn = 8;

class FleetWindowTest : public test::LinkWindowTest {
protected:
    // A radio of the document's model with a serial number of its own.
    sim::RadioProfile Radio(int number)
    {
        auto profile = sim::RadioProfile::Factory(App().state.currentModel);
        const std::string serial = "FLEET-TEST-" + std::to_string(number);
        profile.serial.fill(0xFF);
        std::copy(serial.begin(), serial.end(), profile.serial.begin());
        return profile;
    }

    gui::FleetWindow& OpenWindow()
    {
        Frame().Action(command::kFleetProgramming)->trigger();
        auto* window = Frame().findChild<gui::FleetWindow*>();
        if (!window)
            throw std::logic_error("no Fleet Programming window");
        return *window;
    }

    static void CheckPort(gui::FleetWindow& window, int port)
    {
        window.Ports().topLevelItem(port - 1)->setCheckState(0, Qt::Checked);
    }

    static std::vector<int> RowsOfPort(const QTableWidget& radios, const QString& port)
    {
        std::vector<int> rows;
        for (int row = 0; row < radios.rowCount(); ++row)
            if (radios.item(row, 1)->text() == port)
                rows.push_back(row);
        return rows;
    }

    test::TempFolder folder;
};

TEST_F(FleetWindowTest, TwoRadiosGetIdsOfTheirOwnAFailureIsRedAndStopEndsTheRun)
{
    OpenGrid(kLmrVhf);
    for (const int port : kGoodPorts)
        StartRadio(Radio(port), port);
    auto failing = Radio(kFailingPort);
    failing.faults.push_back({.step = sim::Step::WriteBlock, .kind = sim::FaultKind::Nak, .skip = 10, .count = 0});
    StartRadio(failing, kFailingPort);

    gui::FleetWindow& window = OpenWindow();
    EXPECT_FALSE(window.StartButton().isEnabled()); // no port, no log yet
    for (const int port : {2, 3, kFailingPort})
        CheckPort(window, port);
    const std::string log = folder.Path() + "/fleet.csv";
    harness.picker.savePaths.push_back(log);
    window.ChooseLogButton().click();
    EXPECT_EQ(harness.settings.ReadText("Fleet", "LogFile"), log);
    window.SequenceRule().click();
    ASSERT_TRUE(window.DtmfStart().isEnabled());
    QTest::keyClicks(&window.DtmfStart(), "1001");
    window.Verify().setChecked(true);
    window.Backup().setChecked(false);
    ASSERT_TRUE(window.StartButton().isEnabled());

    window.StartButton().click();
    EXPECT_TRUE(window.Running());
    EXPECT_FALSE(window.Ports().isEnabled());
    EXPECT_FALSE(window.StartButton().isEnabled());
    EXPECT_EQ(window.Work().rowCount(), 3);
    QTableWidget& radios = window.Radios();
    QTRY_VERIFY_WITH_TIMEOUT(RowsOfPort(radios, "COM2").size() == 1 && RowsOfPort(radios, "COM3").size() == 1 &&
                                 !RowsOfPort(radios, "COM4").empty(),
                             kRunBoundMs);

    std::set<QString> dtmfIds;
    for (const char* port : {"COM2", "COM3"}) {
        const int row = RowsOfPort(radios, port).front();
        EXPECT_EQ(radios.item(row, 6)->text(), "verified") << port;
        EXPECT_NE(radios.item(row, 0)->foreground().color(), QColor(Qt::red));
        dtmfIds.insert(radios.item(row, kDtmfColumn)->text());
    }
    // Each radio of the run takes the next ID, a failed one too: they are never given twice.
    EXPECT_EQ(dtmfIds.size(), 2U);
    for (const QString& id : dtmfIds)
        EXPECT_TRUE(id == "1001" || id == "1002" || id == "1003") << id.toStdString();
    const int failed = RowsOfPort(radios, "COM4").front();
    EXPECT_EQ(radios.item(failed, 6)->text(), "failed");
    EXPECT_EQ(radios.item(failed, 0)->foreground().color(), QColor(Qt::red));
    EXPECT_FALSE(radios.item(failed, 7)->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(window.Work().item(0, gui::FleetWindow::kStateColumn)->text().startsWith("Waiting"),
                             kRunBoundMs);

    window.StopButton().click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.Running(), kRunBoundMs);
    EXPECT_TRUE(window.StartButton().isEnabled());
    EXPECT_TRUE(window.Status().text().startsWith("2 written, 2 verified, 0 refused, ")) << window.Status().text().toStdString();
    std::ifstream written(log);
    int lines = 0;
    for (std::string line; std::getline(written, line);)
        ++lines;
    EXPECT_EQ(lines, 1 + radios.rowCount()); // the header and a row per radio
}

} // namespace
} // namespace qtr
