#include "LinkWindowTest.h"

#include "gui/widgets/FixedPitchFont.h"
#include "gui/program/HelpWindow.h"
#include "gui/program/QtHelpViewer.h"
#include "core/base/messages/Link.h"
#include "gui/link/RadioInformationDialog.h"

#include <QFileInfo>
#include <QLabel>

namespace qtr {
namespace {

using Field = gui::RadioInformationDialog::Field;

class RadioInformationDialogTest : public test::LinkWindowTest {};

TEST_F(RadioInformationDialogTest, ShowsTheRadiosModelFrequencySerialNumberAndVersion)
{
    StartRadio(sim::RadioProfile::Factory(*sim::RadioProfile::IdentityOf("P8100", 0x85, 'B')));
    const ImageBytes before = App().state.image;
    QStringList texts;
    QString serialFont;
    bool helpHasFocus = false;
    bool helpIsDefault = false;
    QString helpPage;
    RunWithDialog(command::kRadioInformation, [&](QWidget& shown) {
        auto& dialog = dynamic_cast<gui::RadioInformationDialog&>(shown);
        texts << dialog.windowTitle();
        for (const Field field : {Field::Model, Field::Frequency, Field::SerialNumber, Field::Version})
            texts << dialog.Value(field).text();
        serialFont = dialog.Value(Field::SerialNumber).font().family();
        QApplication::setActiveWindow(&dialog); // as a desktop does with a new dialog
        QTest::keyClick(&dialog.CloseButton(), Qt::Key_Right);
        helpHasFocus = dialog.HelpButton().hasFocus();
        helpIsDefault = dialog.HelpButton().isDefault();
        QTest::keyClick(&dialog, Qt::Key_F1);
        const gui::HelpWindow* help = harness.Program().Help().Window();
        helpPage = help ? QFileInfo(help->ShownPage()).fileName() : QString();
        dialog.CloseButton().click();
    });

    EXPECT_EQ(texts, QStringList({"Radio Information", "  RB-8100 Parlane (UHF)", "  UHF : 461-470 MHz (8 Channels)",
                                  " 12345678ABCD 0042 SIM-01", " V1.00"}));
    EXPECT_EQ(serialFont, gui::FixedPitchFont().family());
    EXPECT_TRUE(helpHasFocus);
    EXPECT_TRUE(helpIsDefault);
    EXPECT_EQ(helpPage, "143.html");
    EXPECT_TRUE(harness.prompter.asked.empty());
    EXPECT_EQ(App().state.image, before);
    EXPECT_FALSE(Link().Port().IsOpen());
}

TEST_F(RadioInformationDialogTest, NothingIsShownWhenTheUserCancelsAFailedExchange)
{
    auto profile = sim::RadioProfile::Factory(*sim::RadioProfile::IdentityOf("P7100"));
    profile.faults.push_back({sim::Step::Serial, sim::FaultKind::BadChecksum});
    sim::RadioSimulator& radio = StartRadio(profile);
    harness.prompter.answers = {Answer::Cancel};
    EXPECT_TRUE(OpensNoDialog(command::kRadioInformation));
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});
    EXPECT_EQ(radio.Received().back(), 'E');
    EXPECT_FALSE(Link().Port().IsOpen());
}

} // namespace
} // namespace qtr
