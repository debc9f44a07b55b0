#include "ScriptedPrompter.h"
#include "ScriptedTuningRadio.h"
#include "core/base/messages/Link.h"
#include "core/base/messages/TestMode.h"
#include "core/testmode/MeasuringProcedure.h"

#include <gtest/gtest.h>

#include <functional>

namespace qtr::testmode {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kVoxLevel1 = 12;
constexpr std::size_t kVoxLevel1Entry = 56;

class SwitchTimer : public PollTimer {
public:
    void Start(std::uint32_t intervalMs) override
    {
        running = true;
        interval = intervalMs;
    }
    void Stop() override { running = false; }

    bool running = false;
    std::uint32_t interval = 0;
};

// Answers like the scripted prompter, and lets the poll timer fire while the question is open.
class TickingPrompter : public test::ScriptedPrompter {
public:
    Answer Ask(const Prompt& prompt) override
    {
        if (whileAsking)
            whileAsking();
        return ScriptedPrompter::Ask(prompt);
    }
    std::function<void()> whileAsking;
};

class MeasuringProcedureTest : public testing::Test {
protected:
    static TestModeValues RadioValues()
    {
        TestModeValues values;
        values.tuningValues[kVoxLevel1Entry] = 70;
        values.tuningValuesAtStart[kVoxLevel1Entry] = 64;
        return values;
    }

    test::ScriptedTuningRadio radio_;
    TickingPrompter prompter_;
    TuningCommands commands_{radio_, prompter_};
    TestModeValues values_ = RadioValues();
    SwitchTimer timer_;
    MeasuringProcedure procedure_{commands_, values_, timer_, kVoxLevel1};
};

TEST_F(MeasuringProcedureTest, StartPollsTheMeasuredValueEveryTick)
{
    EXPECT_EQ(procedure_.Value(), 70);
    EXPECT_EQ(procedure_.TitleId(), messages::testmode::kMeasureVoxLevel1);
    EXPECT_TRUE(procedure_.Tick());
    EXPECT_TRUE(radio_.sent.empty()); // not measuring yet
    procedure_.ToggleMeasuring();
    EXPECT_TRUE(timer_.running);
    EXPECT_EQ(timer_.interval, 550u);
    EXPECT_TRUE(radio_.sent.empty()); // the button itself sends nothing
    radio_.measured = 123;
    ASSERT_TRUE(procedure_.Tick());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x0A, 0x06}));
    EXPECT_EQ(radio_.readTimeouts, (std::vector<std::uint32_t>{300}));
    EXPECT_EQ(procedure_.Value(), 123);
    procedure_.ToggleMeasuring();
    EXPECT_FALSE(timer_.running);
    EXPECT_TRUE(procedure_.Tick());
    EXPECT_TRUE(radio_.sent.empty());
}

TEST_F(MeasuringProcedureTest, NoReplyStopsThePollUntilRetryWithoutPilingUpRequests)
{
    procedure_.ToggleMeasuring();
    radio_.silentCommands = {0};
    bool timerRanWhileAsking = true;
    prompter_.whileAsking = [&] {
        timerRanWhileAsking = timer_.running;
        EXPECT_TRUE(procedure_.Tick());
        EXPECT_TRUE(procedure_.Tick());
    };
    prompter_.answers = {Answer::Retry};
    ASSERT_TRUE(procedure_.Tick());
    EXPECT_FALSE(timerRanWhileAsking);
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x0A})); // no ACK for nothing, no request meanwhile
    EXPECT_TRUE(timer_.running);
    EXPECT_EQ(prompter_.AskedIds(), (std::vector<int>{messages::link::kCommunicationFailed}));
    radio_.measured = 9;
    ASSERT_TRUE(procedure_.Tick());
    EXPECT_EQ(procedure_.Value(), 9);
}

TEST_F(MeasuringProcedureTest, CancelAfterNoReplyLeavesTestMode)
{
    procedure_.ToggleMeasuring();
    radio_.silentCommands = {0};
    prompter_.answers = {Answer::Cancel};
    EXPECT_FALSE(procedure_.Tick());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x0A, 'E'}));
    EXPECT_FALSE(timer_.running);
    EXPECT_FALSE(procedure_.Measuring());
}

TEST_F(MeasuringProcedureTest, OkStoresTheShownValueAndCancelTheStartValue)
{
    procedure_.ToggleMeasuring();
    radio_.measured = 200;
    procedure_.Tick();
    radio_.TakeSent();
    ASSERT_TRUE(procedure_.Keep());
    EXPECT_FALSE(timer_.running);
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x20, 200, 33, 0x0E}));
    EXPECT_EQ(values_.tuningValues[kVoxLevel1Entry], 200);
    ASSERT_TRUE(procedure_.Restore());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x20, 64, 33, 0x0E}));
    EXPECT_EQ(values_.tuningValues[kVoxLevel1Entry], 64);
}

TEST_F(MeasuringProcedureTest, OkIsRepeatedUntilConfirmed)
{
    radio_.silentCommands = {1};
    prompter_.answers = {Answer::Retry};
    ASSERT_TRUE(procedure_.Keep());
    EXPECT_EQ(radio_.TakeSent(), (Bytes{33, 0x20, 70, 33, 0x0E, 33, 0x0E}));
}

} // namespace
} // namespace qtr::testmode
