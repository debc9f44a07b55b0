#include "GuiHarness.h"

#include "RecordingHelp.h"
#include "TestImages.h"
#include "core/app/CommandIds.h"
#include "core/base/messages/Model.h"
#include "core/model/FrequencyCodec.h"
#include "gui/model/ModelInformationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::GuiHarness;

class ModelInformationDialogTest : public ::testing::Test {
protected:
    void Start(const char* lastModel)
    {
        harness.settings.WriteText("Backup", "LastModel", lastModel);
        harness.Start();
    }
    QPushButton* Button(gui::ModelInformationDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog.findChild<QDialogButtonBox*>()->button(which);
    }
    // Picks a list entry with the keyboard, as a user steps through a drop-down list.
    static void StepTo(QComboBox* list, int index)
    {
        list->setFocus();
        const Qt::Key key = index > list->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
        while (list->currentIndex() != index)
            QTest::keyClick(list, key);
    }

    GuiHarness harness;
    test::RecordingHelp help;
};

TEST_F(ModelInformationDialogTest, ShowsTheModelsAndTheChannelClassesOfTheCurrentModel)
{
    Start("50:38:31:4C:31:8B:FD:4C"); // RB-8100L LMR, 15 channels
    gui::ModelInformationDialog dialog(harness.App(), help);
    EXPECT_EQ(dialog.windowTitle(), "Model Information");
    EXPECT_EQ(dialog.ModelList()->count(), 8);
    EXPECT_EQ(dialog.ModelList()->currentText(), "RB-8100L  LMR (UHF)");
    ASSERT_EQ(dialog.ChannelList()->count(), 4);
    EXPECT_EQ(dialog.ChannelList()->currentText(), "15 Channels");
    EXPECT_EQ(Button(dialog, QDialogButtonBox::Help)->text(), "&Help");
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Help), Qt::LeftButton);
    EXPECT_EQ(help.topics, std::vector<int>{130});
}

TEST_F(ModelInformationDialogTest, SwitchingLmrToParlaneAsksAndInstallsTheParlanePlan)
{
    Start("50:37:31:30:30:15:FA:4C"); // RB-7100 LMR, 8 channels
    ASSERT_TRUE(harness.ItemsOf("&Edit").contains("&DTMF"));
    test::WhenModal([this](QWidget& modal) {
        auto& dialog = dynamic_cast<gui::ModelInformationDialog&>(modal);
        StepTo(dialog.ModelList(), 4);
        EXPECT_EQ(dialog.ChannelList()->currentText(), "2 Channels");
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    harness.Frame().Action(command::kModelInformation)->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::model::kOtherLineQuestion});
    const ImageBytes& image = harness.App().state.image;
    EXPECT_EQ(image[445], 0x10);
    EXPECT_EQ(image[447], 'B');
    EXPECT_EQ(FrequencyCodec::FormatFrequency(image.data() + 16), "154.57000");
    EXPECT_EQ(image[285], 3);
    EXPECT_EQ(image[286], 7);
    EXPECT_FALSE(harness.App().document.IsModified());
    EXPECT_EQ(harness.ShownTitle(), "QTR-31X [RB-7100    Parlane (VHF) 2 Channels] [File Name : Untitled ]");
    EXPECT_FALSE(harness.ItemsOf("&Edit").contains("&DTMF"));
}

TEST_F(ModelInformationDialogTest, CancelInTheQuestionKeepsTheDialogOpen)
{
    Start("50:37:31:30:30:15:FA:4C");
    gui::ModelInformationDialog dialog(harness.App(), help);
    dialog.show();
    StepTo(dialog.ChannelList(), 0);
    harness.prompter.answers = {Answer::Cancel};
    QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::model::kSameLineQuestion});
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ModelInformationDialogTest, CancelPutsTheImageBack)
{
    Start("50:37:31:30:30:15:FA:4C");
    const ImageBytes before = harness.App().state.image;
    gui::ModelInformationDialog dialog(harness.App(), help);
    dialog.show();
    StepTo(dialog.ModelList(), 7);
    StepTo(dialog.ChannelList(), 2);
    EXPECT_NE(harness.App().state.image, before);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(harness.App().state.image, before);
    EXPECT_TRUE(harness.prompter.asked.empty());
}

TEST_F(ModelInformationDialogTest, EnterWalksFromTheModelsToTheChannelsToOk)
{
    Start("50:37:31:30:30:15:FA:4C");
    gui::ModelInformationDialog dialog(harness.App(), help);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.ModelList()->setFocus();
    QTest::keyClick(dialog.ModelList(), Qt::Key_Return);
    EXPECT_TRUE(dialog.ChannelList()->hasFocus());
    QTest::keyClick(dialog.ChannelList(), Qt::Key_Return);
    EXPECT_TRUE(Button(dialog, QDialogButtonBox::Ok)->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(Button(dialog, QDialogButtonBox::Ok), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(harness.prompter.asked.empty()); // nothing changed, nothing asked
}

} // namespace
} // namespace qtr
