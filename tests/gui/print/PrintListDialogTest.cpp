#include "PrintTestHarness.h"

#include "RecordingHelp.h"

#include <QCheckBox>

namespace qtr {
namespace {

using report::PrintSection;

class PrintListDialogTest : public test::PrintTestHarness {
protected:
    std::unique_ptr<gui::PrintListDialog> Open(bool parlane)
    {
        auto dialog = std::make_unique<gui::PrintListDialog>(App().catalog, help, parlane, printer);
        dialog->show();
        return dialog;
    }
    static std::tuple<bool, bool, bool> Buttons(const gui::PrintListDialog& dialog)
    {
        return {dialog.OkButton()->isEnabled(), dialog.AllClearButton()->isEnabled(),
                dialog.SelectAllButton()->isEnabled()};
    }

    test::RecordingHelp help;
    QPrinter printer;
};

TEST_F(PrintListDialogTest, ButtonsFollowTheCheckedBoxesOnBothLines)
{
    for (const bool parlane : {false, true}) {
        const auto dialog = Open(parlane);
        EXPECT_EQ(dialog->windowTitle(), "Print Out List");
        EXPECT_EQ(Buttons(*dialog), std::make_tuple(true, true, false)) << "all the model's boxes start checked";
        dialog->AllClearButton()->click();
        EXPECT_EQ(dialog->Checked(), 0u);
        EXPECT_EQ(Buttons(*dialog), std::make_tuple(false, false, true));
        QTest::mouseClick(dialog->Box(PrintSection::EmbeddedMessage), Qt::LeftButton);
        EXPECT_EQ(dialog->Checked(), 0x40u);
        EXPECT_EQ(Buttons(*dialog), std::make_tuple(true, true, true));
        dialog->SelectAllButton()->click();
        EXPECT_EQ(dialog->Checked(), parlane ? 0xE7u : 0xFFu);
        EXPECT_EQ(Buttons(*dialog), std::make_tuple(true, true, false));
    }
}

TEST_F(PrintListDialogTest, ParlaneHasNoDtmfOrVantalinkBox)
{
    const auto lmr = Open(false);
    EXPECT_EQ(lmr->findChildren<QCheckBox*>().size(), 8);
    EXPECT_EQ(lmr->Box(PrintSection::Dtmf)->text(), "DTMF");
    const auto parlane = Open(true);
    EXPECT_EQ(parlane->findChildren<QCheckBox*>().size(), 6);
    EXPECT_THROW(parlane->Box(PrintSection::Vantalink), std::out_of_range);
    // The boxes below close up under Scan Information.
    EXPECT_LT(parlane->Box(PrintSection::TestFrequency)->y(), lmr->Box(PrintSection::TestFrequency)->y());
}

TEST_F(PrintListDialogTest, EnterMovesToTheNextBoxAndNeverPrints)
{
    const auto dialog = Open(true);
    QApplication::setActiveWindow(dialog.get());
    dialog->Box(PrintSection::ScanInformation)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Box(PrintSection::TestFrequency));
    dialog->Box(PrintSection::ChannelInformation)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), dialog->OkButton());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Checked(), 0xE7u) << "Enter does not toggle a box";
}

TEST_F(PrintListDialogTest, HelpButtonAndF1ShowTopic183)
{
    const auto dialog = Open(false);
    QApplication::setActiveWindow(dialog.get());
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == "&Help")
            button->click();
    dialog->Box(PrintSection::Dtmf)->setFocus();
    QTest::keyClick(dialog->Box(PrintSection::Dtmf), Qt::Key_F1);
    EXPECT_EQ(help.topics, (std::vector<int>{183, 183}));
}

} // namespace
} // namespace qtr
