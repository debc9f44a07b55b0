#include "FeatureWindowTest.h"

#include "core/base/messages/Options.h"
#include "core/features/CallTonePlayback.h"
#include "core/features/OptionalFeaturesForm.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/features/OptionalFeaturesView.h"

#include <QClipboard>
#include <QPushButton>

namespace qtr {
namespace {

using Features = OptionalFeaturesForm;
using Calls = std::vector<std::string>;

class OptionalFeaturesWindowTest : public test::FeatureWindowTest {
protected:
    gui::SettingsFormWidget& OpenFeatures(int modelType = kLmrVhf, std::uint8_t typeByte = 0x15)
    {
        UseModel(modelType, typeByte);
        return Open(command::kOptionalFeatures);
    }
    gui::OptionalFeaturesView& View()
    {
        return *static_cast<gui::OptionalFeaturesView*>(Frame().EditorView(command::kOptionalFeatures));
    }
    void PressPlayStop() { QTest::mouseClick(&View().PlayStopButton(), Qt::LeftButton); }
    std::string ToneFile(const char* level)
    {
        return App().programFolder + "/Call Tone " + level + ".wav";
    }
};

TEST_F(OptionalFeaturesWindowTest, TypedValuesAreStoredAndWrittenBackWhenTheFieldIsLeft)
{
    auto& form = OpenFeatures();
    TypeInto(form, Features::kTimeOutTimer, "16");
    EXPECT_EQ(Byte(304), 2);
    EXPECT_EQ(TextOf(form, Features::kTimeOutTimer), "30");
    TypeInto(form, Features::kTotPreAlert, "25");
    EXPECT_EQ(Byte(305), 10);
    EXPECT_EQ(TextOf(form, Features::kTotPreAlert), "10");
    TypeInto(form, Features::kTotPreAlert, "0");
    EXPECT_EQ(Byte(305), 0);
    EXPECT_EQ(TextOf(form, Features::kTotPreAlert), "Off");
    TypeInto(form, Features::kCallingAlertLevel, "12");
    EXPECT_EQ(Byte(302), 9);
    TypeInto(form, Features::kBeginOfTx, "a1");
    EXPECT_EQ(TextOf(form, Features::kBeginOfTx), "A1");
    EXPECT_EQ(Byte(320), 0x41);
    EXPECT_EQ(Byte(321), 0x31);
    EXPECT_EQ(Byte(322), 0xFF);
    EXPECT_TRUE(App().document.IsModified());
}

TEST_F(OptionalFeaturesWindowTest, SpinStepsStoreAtOnceWrapAndSelectTheText)
{
    auto& form = OpenFeatures();
    SetByte(304, 40);
    form.ShowAll();
    FocusOn(form.Control(Features::kTimeOutTimer));
    Press(Qt::Key_Up);
    EXPECT_EQ(Byte(304), 1);
    EXPECT_EQ(TextOf(form, Features::kTimeOutTimer), "15");
    EXPECT_EQ(static_cast<gui::StepEdit*>(form.Control(Features::kTimeOutTimer))->Edit().selectedText(), "15");
    FocusOn(form.Control(Features::kSquelchLevel));
    SetByte(308, 0);
    form.ShowAll();
    Press(Qt::Key_Down);
    EXPECT_EQ(Byte(308), 9);
    EXPECT_EQ(TextOf(form, Features::kSquelchLevel), "9");
}

TEST_F(OptionalFeaturesWindowTest, EnableRulesFollowEveryCommit)
{
    auto& form = OpenFeatures();
    Click(form, Features::kScramblerActivation);
    EXPECT_EQ(Byte(300), 1);
    EXPECT_FALSE(form.Control(Features::kScramblerBackup)->isEnabled());
    Click(form, Features::kScramblerActivation);
    EXPECT_TRUE(form.Control(Features::kScramblerBackup)->isEnabled());

    Choose(form, Features::kPttId, 1);
    EXPECT_FALSE(form.Control(Features::kBeginOfTx)->isEnabled());
    EXPECT_TRUE(form.Control(Features::kEndOfTx)->isEnabled());
    Choose(form, Features::kPttIdType, 1);
    EXPECT_FALSE(form.Control(Features::kEndOfTx)->isEnabled());

    Click(form, Features::kVoxFunction);
    EXPECT_EQ(Byte(313), 0);
    for (int row : {Features::kVoxGainLevel, Features::kVoxDelayTime, Features::kTxInhibitOnBusy})
        EXPECT_FALSE(form.Control(row)->isEnabled()) << row;
}

TEST_F(OptionalFeaturesWindowTest, ModelLayoutHidesRowsWithTheirLabels)
{
    auto& parlane = OpenFeatures(kParlaneVhf, 0x10);
    EXPECT_FALSE(RowShown(parlane, Features::kPttIdGroup));
    EXPECT_FALSE(RowShown(parlane, Features::kBeginOfTx));
    EXPECT_TRUE(parlane.Label(Features::kBeginOfTx)->isHidden());
    EXPECT_TRUE(RowShown(parlane, Features::kSelfProgram));
    const int parlaneHeight = parlane.sizeHint().height();

    auto& lmr = OpenFeatures(kLmrVhf, 0x15);
    EXPECT_TRUE(RowShown(lmr, Features::kPttIdGroup));
    EXPECT_FALSE(RowShown(lmr, Features::kSelfProgram));
    EXPECT_GT(lmr.sizeHint().height(), parlaneHeight);
}

TEST_F(OptionalFeaturesWindowTest, PttIdTypeChangeNormalisesTheChannelsAndRefreshesTheChannelForm)
{
    UseModel(kLmrVhf, 0x15);
    std::string frequency = "154.57";
    App().channels.SetFrequency(0, ChannelField::ReceiveFrequency, frequency);
    App().channels.SetFrequency(0, ChannelField::TransmitFrequency, frequency);
    SetByte(16 + 14, 0x35); // channel 1: PTT ID 5
    Frame().OnCommand(command::kChannelInformation);
    Frame().OnCommand(command::kChannelEdit);
    auto* channelPttId = static_cast<QComboBox*>(
        static_cast<gui::ChannelFormView*>(Frame().EditorView(command::kChannelEdit))->Control(static_cast<int>(ChannelField::PttId)));
    const QString shownBefore = channelPttId->currentText();
    auto& form = Open(command::kOptionalFeatures);
    Choose(form, Features::kPttIdType, 1);
    EXPECT_EQ(Byte(16 + 14), 0x31);
    EXPECT_NE(channelPttId->currentText(), shownBefore);
    Choose(form, Features::kPttIdType, 0);
    EXPECT_EQ(Byte(16 + 14), 0x31); // 1 is offered by both types
}

TEST_F(OptionalFeaturesWindowTest, EnterMovesOnAsTabAndCommits)
{
    auto& form = OpenFeatures();
    FocusOn(form.Control(Features::kTimeOutTimer));
    Type("599");
    Press(Qt::Key_Return);
    EXPECT_EQ(Byte(304), 40);
    EXPECT_EQ(Focus(), form.Control(Features::kTotPreAlert));
    FocusOn(form.Control(Features::kBeep));
    Press(Qt::Key_Enter);
    EXPECT_EQ(Focus(), form.Control(Features::kScramblerActivation));
}

TEST_F(OptionalFeaturesWindowTest, PastedOrAltTypedTextInADigitsFieldKeepsOnlyDigitsWithinTheLength)
{
    auto& form = OpenFeatures();
    QApplication::clipboard()->setText("4x5y0z");
    FocusOn(form.Control(Features::kTimeOutTimer));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TextOf(form, Features::kTimeOutTimer), "450");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Byte(304), 30);
    FocusOn(form.Control(Features::kSquelchLevel));
    Type("4");
    for (const Qt::Key letter : {Qt::Key_Q, Qt::Key_Z})
        Press(letter, Qt::AltModifier); // letters that are no access key get typed
    EXPECT_EQ(TextOf(form, Features::kSquelchLevel), "4");
}

TEST_F(OptionalFeaturesWindowTest, PlayStopPlaysTheLevelsToneAndStopsIt)
{
    auto& form = OpenFeatures();
    TypeInto(form, Features::kCallingAlertLevel, "3");
    PressPlayStop();
    EXPECT_EQ(harness.sound.calls, (Calls{"open " + ToneFile("3"), "play"}));
    EXPECT_TRUE(View().Playback().Playing());
    PressPlayStop();
    EXPECT_FALSE(View().Playback().Playing());
    EXPECT_EQ(harness.sound.calls.back(), "close");

    PressPlayStop();
    harness.sound.Finish();
    EXPECT_FALSE(View().Playback().Playing());
    EXPECT_TRUE(harness.prompter.asked.empty());
}

TEST_F(OptionalFeaturesWindowTest, EditingTheLevelOrClosingTheWindowStopsTheTone)
{
    auto& form = OpenFeatures();
    PressPlayStop();
    FocusOn(form.Control(Features::kCallingAlertLevel));
    Press(Qt::Key_Up); // level 2
    EXPECT_FALSE(View().Playback().Playing());
    EXPECT_EQ(harness.sound.calls, (Calls{"open " + ToneFile("1"), "play", "stop", "close"}));

    PressPlayStop();
    Frame().OnCommand(command::kCloseAllWindows);
    EXPECT_EQ(Frame().EditorView(command::kOptionalFeatures), nullptr);
    EXPECT_FALSE(harness.sound.playing);
    EXPECT_EQ(harness.sound.calls.back(), "close");
}

TEST_F(OptionalFeaturesWindowTest, AToneThatCannotBeOpenedIsNamedAndLeavesTheButtonIdle)
{
    OpenFeatures();
    harness.sound.opening = SoundPlayer::Opening::BadFile;
    PressPlayStop();
    ASSERT_EQ(harness.prompter.AskedIds(), std::vector<int>{messages::options::kCallToneCannotOpen});
    EXPECT_EQ(harness.prompter.asked.front().detail, ToneFile("1"));
    EXPECT_FALSE(View().Playback().Playing());
}

TEST_F(OptionalFeaturesWindowTest, F1GivesTheHelpOfTheControlWithTheFocus)
{
    OpenFeatures();
    View().PlayStopButton().setFocus();
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "1358.html");
    View().FormWidget().Control(Features::kSquelchLevel)->setFocus();
    Press(Qt::Key_F1);
    EXPECT_EQ(ShownHelpPage(), "152.html");
}

} // namespace
} // namespace qtr
