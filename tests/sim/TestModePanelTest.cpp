#include "TestModePair.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/TestMode.h"
#include "core/testmode/TuningItems.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

using test::Bytes;
using test::TestModePair;
using testmode::PanelStep;

// The panel's commands on the wire, against a simulated radio in test mode.
class TestModePanelTest : public testing::Test {
protected:
    TestModePanelTest() : panel_(radio_.OpenPanel()) {}

    const MessageCatalog& Texts() const { return radio_.pair.app.catalog; }
    sim::TestModeState Radio() const { return radio_.pair.radio.TestMode(); }
    // What the radio heard while `operation` ran.
    std::vector<std::uint8_t> Heard(const std::function<void()>& operation, std::size_t atLeast = 0)
    {
        const std::size_t before = radio_.HeardCount();
        operation();
        return radio_.HeardSince(before, atLeast);
    }

    TestModePair radio_{test::Radio("P7100")};
    testmode::TestModePanelModel& panel_;
};

TEST_F(TestModePanelTest, OpensOnTheFirstTestChannelAndSignallingOne)
{
    TestModePair radio(test::Radio("P7100"));
    ASSERT_TRUE(radio.Enter());
    const std::size_t entered = radio.HeardCount();
    testmode::TestModePanelModel panel(radio.session, radio.pair.app.state.image, radio.values);
    EXPECT_EQ(panel.Open(radio.pair.app.catalog), PanelStep::Done);
    EXPECT_EQ(radio.HeardSince(entered), Bytes({0x10, 1, wire::kAck, 0x11, 1}));
    EXPECT_EQ(panel.Channels(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(radio.values.rxText, "162.05000MHz");
    EXPECT_EQ(radio.values.txText, "162.10000MHz");
    EXPECT_TRUE(radio.values.wide);
    EXPECT_FALSE(radio.values.transmitting);
}

TEST_F(TestModePanelTest, TheChannelListLeavesOutTestChannelsThatAreNotSet)
{
    auto profile = test::Radio("P8100");
    std::fill_n(profile.memory.begin() + 640, 16, 0xFF); // test channels 1 and 2
    profile.memory[640 + 8 * 3 + 4] = 0xFF;              // channel 4 has no transmit frequency
    TestModePair radio(profile);
    auto& panel = radio.OpenPanel();
    EXPECT_EQ(panel.Channels(), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(radio.values.selectedChannel, 3);
    EXPECT_EQ(Radio().channel, 1) << "the other radio";
    EXPECT_EQ(radio.pair.radio.TestMode().channel, 3);
    EXPECT_EQ(panel.TransmitText(4, radio.pair.app.catalog), "None");
    EXPECT_EQ(panel.ReceiveText(3), "469.95000MHz");
}

TEST_F(TestModePanelTest, ChannelAndSignallingChoicesAreSentAfterTheTransmitterIsOff)
{
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.SelectChannel(3, Texts()), PanelStep::Done); }), Bytes({0x10, 3, wire::kAck}));
    EXPECT_EQ(radio_.values.rxText, "173.95000MHz");
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.TogglePtt(), PanelStep::Done); }), Bytes({0x08, 0x0D}));
    EXPECT_TRUE(Radio().transmitting);
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.SelectChannel(2, Texts()), PanelStep::Done); }),
              Bytes({0x08, 0x0E, 0x10, 2, wire::kAck}));
    EXPECT_FALSE(radio_.values.transmitting);
    EXPECT_FALSE(Radio().transmitting);
    panel_.TogglePtt();
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.SelectSignalling(7), PanelStep::Done); }), Bytes({0x08, 0x0E, 0x11, 7}));
    EXPECT_EQ(Radio().signalling, 7);
    EXPECT_EQ(testmode::TestModePanelModel::ReceiveSignallingNameId(7), 3004025);
    EXPECT_EQ(testmode::TestModePanelModel::TransmitSignallingNameId(7), 3004027);
    EXPECT_TRUE(radio_.pair.prompter.asked.empty());
}

TEST_F(TestModePanelTest, WideNarrowAndThePttButton)
{
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.SetWide(false), PanelStep::Done); }), Bytes({'G'}));
    EXPECT_FALSE(radio_.values.wide);
    EXPECT_FALSE(Radio().wide);
    panel_.TogglePtt();
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.SetWide(true), PanelStep::Done); }), Bytes({0x08, 0x0E, 'F'}));
    EXPECT_TRUE(Radio().wide);
    EXPECT_EQ(Heard([&] { panel_.TogglePtt(); }), Bytes({0x08, 0x0D}));
    EXPECT_EQ(Heard([&] { panel_.TogglePtt(); }), Bytes({0x08, 0x0E}));
    EXPECT_FALSE(radio_.values.transmitting);
}

TEST_F(TestModePanelTest, ATuningProcedureStartsWithTheValuesAndTheItemCode)
{
    panel_.TogglePtt();
    const auto heard = Heard([&] { EXPECT_EQ(panel_.StartTuning(7), PanelStep::Done); });
    EXPECT_EQ(heard, Bytes({0x08, 0x0E, 0x05, wire::kAck, 31, 0x0D}));
    EXPECT_EQ(radio_.values.currentItemCode, 31);
    EXPECT_EQ(radio_.values.tuningValues[45], 120);
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.StartTuning(-1), PanelStep::Stopped); }), Bytes({}));
    // On the 'B' line the seventh entry of the list is item 7 too.
    EXPECT_EQ(testmode::ItemAtListPosition(6, true), 7);
}

TEST_F(TestModePanelTest, TheValuesStartedWithAreWhatTheRadioHasNow)
{
    panel_.StartTuning(0);
    const std::uint8_t set[] = {18, 0x20, 99};
    radio_.pair.link.Port().WriteBytes(set, sizeof set);
    ASSERT_TRUE(radio_.pair.link.WaitConfirmation());
    panel_.StartTuning(0);
    EXPECT_EQ(radio_.values.tuningValuesAtStart[10], 99);
    EXPECT_EQ(radio_.values.tuningValues[15], 140 - 29);
}

TEST_F(TestModePanelTest, PrintingAsksFirstAndReadsTheValues)
{
    radio_.pair.prompter.answers = {Answer::Cancel, Answer::Ok};
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.PrepareAdjustmentPrint(), PanelStep::Stopped); }), Bytes({}));
    EXPECT_EQ(Heard([&] { EXPECT_EQ(panel_.PrepareAdjustmentPrint(), PanelStep::Done); }), Bytes({0x05, wire::kAck}));
    const Prompt& question = radio_.pair.prompter.asked.front();
    EXPECT_EQ(question.messageId, messages::testmode::kPrintQuestion);
    EXPECT_EQ(question.captionId, messages::common::kQuestionCaption);
    EXPECT_EQ(question.defaultAnswer, Answer::Cancel);
    EXPECT_EQ(question.buttons, Buttons::OkCancel);
    panel_.ReportPrinted();
    EXPECT_EQ(radio_.pair.prompter.AskedIds(),
              (std::vector<int>{messages::testmode::kPrintQuestion, messages::testmode::kPrintQuestion,
                                messages::testmode::kPrinted}));
}

TEST_F(TestModePanelTest, CloseSendsTheSignallingAndEndsTestMode)
{
    panel_.SelectSignalling(5);
    EXPECT_EQ(Heard([&] { panel_.Close(); }, 3), Bytes({0x11, 5, wire::kEnd}));
    EXPECT_TRUE(panel_.Closing());
    panel_.Finish();
    EXPECT_FALSE(radio_.pair.link.Port().IsOpen());
    EXPECT_FALSE(Radio().active);
}

TEST_F(TestModePanelTest, ClosedWhileTransmittingUnkeysFirst)
{
    panel_.TogglePtt();
    EXPECT_EQ(Heard([&] { panel_.CloseFromWindowManager(); }, 5), Bytes({0x08, 0x0E, 0x11, 1, wire::kEnd}));
    EXPECT_FALSE(Radio().transmitting);
    EXPECT_EQ(Heard([&] { panel_.CloseFromWindowManager(); }), Bytes({})) << "closed once";
}

// A failed exchange asks Retry or Cancel. Cancel after a wide/narrow switch, a read of the
// adjustment values or a tuning code ends test mode ('E'); after the other exchanges the
// panel closes and the radio hears nothing more.
TEST(TestModePanelFaultTest, CancelEndsTestModeOnlyWhereItShould)
{
    using sim::FaultKind;
    using sim::Step;
    using Operation = std::function<PanelStep(testmode::TestModePanelModel&, const MessageCatalog&)>;
    struct Case {
        const char* name;
        Step step;
        Operation operation;
        bool endsTestMode;
    };
    const std::vector<Case> cases{
        {"narrow", Step::Wide, [](auto& panel, auto&) { return panel.SetWide(false); }, true},
        {"tuning values", Step::TestData, [](auto& panel, auto&) { return panel.StartTuning(3); }, true},
        {"tuning code", Step::CodeEnter, [](auto& panel, auto&) { return panel.StartTuning(3); }, true},
        {"print", Step::TestDataConfirm, [](auto& panel, auto&) { return panel.PrepareAdjustmentPrint(); }, true},
        {"channel", Step::TestChannel, [](auto& panel, auto& texts) { return panel.SelectChannel(2, texts); }, false},
        {"channel confirm", Step::TestChannelConfirm,
         [](auto& panel, auto& texts) { return panel.SelectChannel(2, texts); }, false},
        {"signalling", Step::TestSignalling, [](auto& panel, auto&) { return panel.SelectSignalling(2); }, false},
        {"ptt", Step::Transmit, [](auto& panel, auto&) { return panel.TogglePtt(); }, false},
    };
    std::vector<std::function<void()>> runs;
    for (const Case& c : cases) {
        for (const FaultKind kind : {FaultKind::Silence, FaultKind::WrongByte, FaultKind::Nak, FaultKind::ShortReply,
                                     FaultKind::HangUp}) {
            const bool dataReply = c.step == Step::TestData || c.step == Step::TestChannel;
            if ((dataReply && kind == FaultKind::WrongByte) || (c.step == Step::TestChannelConfirm && kind == FaultKind::Nak))
                continue; // an altered value is a value; a NAK confirms a test channel
            for (const bool retry : {false, true}) {
                runs.push_back([c, kind, retry] {
                    const std::string name = std::string(c.name) + " " + sim::FaultKindName(kind) +
                                             (retry ? " retried" : " cancelled");
                    auto profile = test::Radio("P7100");
                    // The entry and the opening of the panel go right; the step after them fails.
                    const int skip = c.step == Step::TestData || c.step == Step::TestDataConfirm ? 1
                                     : c.step == Step::TestChannel || c.step == Step::TestChannelConfirm ? 17
                                     : c.step == Step::TestSignalling                                     ? 1
                                                                                                          : 0;
                    profile.faults = {{c.step, kind, skip}};
                    TestModePair radio(profile);
                    auto& panel = radio.OpenPanel();
                    radio.pair.prompter.answers = {Answer::Ok, retry ? Answer::Retry : Answer::Cancel};
                    if (c.step != Step::TestDataConfirm) // only printing asks before its exchange
                        radio.pair.prompter.answers.pop_front();
                    const std::size_t before = radio.HeardCount();
                    const auto start = std::chrono::steady_clock::now();
                    const PanelStep step = c.operation(panel, radio.pair.app.catalog);
                    // One failed exchange holds the window no longer than its time-out, twice
                    // when retried, with room for a loaded machine.
                    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2000)) << name;
                    const bool hungUp = kind == FaultKind::HangUp;
                    EXPECT_EQ(radio.pair.prompter.AskedIds().back(), messages::link::kCommunicationFailed) << name;
                    if (retry && !hungUp) {
                        EXPECT_EQ(step, PanelStep::Done) << name;
                        EXPECT_FALSE(panel.Closing()) << name;
                        return;
                    }
                    EXPECT_EQ(step, PanelStep::ClosePanel) << name;
                    EXPECT_TRUE(panel.Closing()) << name;
                    panel.Finish();
                    EXPECT_FALSE(radio.pair.link.Port().IsOpen()) << name;
                    if (hungUp)
                        return;
                    // An 'E' that should not come is not waited for long.
                    const auto endBound = c.endsTestMode ? test::kHangBound : std::chrono::milliseconds(200);
                    EXPECT_EQ(radio.HeardCount() > before && radio.pair.RadioHeardEndLast(endBound), c.endsTestMode)
                        << name;
                    EXPECT_TRUE(c.endsTestMode || radio.pair.radio.TestMode().active) << name;
                });
            }
        }
    }
    test::RunTogether(runs);
}

TEST(TestModePanelFaultTest, AFailedUnkeyStopsTheOperationAndClosesThePanel)
{
    auto profile = test::Radio("P7100");
    profile.faults = {{sim::Step::Transmit, sim::FaultKind::Silence, 1}};
    TestModePair radio(profile);
    auto& panel = radio.OpenPanel();
    ASSERT_EQ(panel.TogglePtt(), PanelStep::Done);
    radio.pair.prompter.answers = {Answer::Cancel};
    const std::size_t before = radio.HeardCount();
    EXPECT_EQ(panel.SetWide(false), PanelStep::ClosePanel);
    EXPECT_EQ(radio.HeardSince(before), Bytes({0x08, 0x0E})) << "no 'G', no 'E'";
}

TEST(TestModePanelFaultTest, CloseGoesOnWhenTheSignallingIsCancelled)
{
    auto profile = test::Radio("P7100");
    profile.faults = {{sim::Step::TestSignalling, sim::FaultKind::Silence, 1}};
    TestModePair radio(profile);
    auto& panel = radio.OpenPanel();
    radio.pair.prompter.answers = {Answer::Cancel};
    const std::size_t before = radio.HeardCount();
    panel.Close();
    EXPECT_EQ(radio.HeardSince(before, 3), Bytes({0x11, 1, wire::kEnd}));
    EXPECT_EQ(radio.pair.prompter.AskedIds(), std::vector<int>{messages::link::kCommunicationFailed});
}

} // namespace
} // namespace qtr
