#include "FakeSoundPlayer.h"
#include "ScriptedPrompter.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Options.h"
#include "core/features/CallTonePlayback.h"

#include <gtest/gtest.h>

#include <memory>

namespace qtr {
namespace {

using Calls = std::vector<std::string>;

class CallTonePlaybackTest : public ::testing::Test {
protected:
    CallTonePlaybackTest()
    {
        playback->stateChanged = [this] { ++stateChanges; };
    }
    const Prompt& OnlyPrompt() const
    {
        EXPECT_EQ(prompter.asked.size(), 1u);
        return prompter.asked.back();
    }

    test::FakeSoundPlayer player;
    test::ScriptedPrompter prompter;
    std::unique_ptr<CallTonePlayback> playback = std::make_unique<CallTonePlayback>(player, prompter, "/opt/qtr31x");
    int stateChanges = 0;
};

TEST_F(CallTonePlaybackTest, PlaysTheLevelsFileAndStopsOnTheNextPress)
{
    playback->PlayOrStop("3");
    EXPECT_TRUE(playback->Playing());
    EXPECT_EQ(playback->Level(), 3);
    EXPECT_EQ(player.calls, (Calls{"open /opt/qtr31x/Call Tone 3.wav", "play"}));
    playback->PlayOrStop("3");
    EXPECT_FALSE(playback->Playing());
    EXPECT_EQ(player.calls, (Calls{"open /opt/qtr31x/Call Tone 3.wav", "play", "stop", "close"}));
    EXPECT_EQ(stateChanges, 2);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(CallTonePlaybackTest, TheEndOfTheToneReturnsToIdleAndLetsGoOfTheFile)
{
    playback->PlayOrStop("10");
    player.Finish();
    EXPECT_FALSE(playback->Playing());
    EXPECT_EQ(player.calls.back(), "close");
    playback->PlayOrStop("10"); // plays again, not a stop
    EXPECT_TRUE(playback->Playing());
}

TEST_F(CallTonePlaybackTest, FailuresNameTheFileAndLeaveTheRightState)
{
    struct FailureCase {
        SoundPlayer::Opening opening;
        bool playFails;
        int message;
        Calls calls;
    };
    const FailureCase cases[] = {
        {SoundPlayer::Opening::BadFile,
         false,
         messages::options::kCallToneCannotOpen,
         {"open /opt/qtr31x/Call Tone 4.wav"}},
        {SoundPlayer::Opening::NoOutput,
         false,
         messages::options::kNoSoundOutput,
         {"open /opt/qtr31x/Call Tone 4.wav"}},
        {SoundPlayer::Opening::Opened,
         true,
         messages::options::kCallToneCannotPlay,
         {"open /opt/qtr31x/Call Tone 4.wav", "play", "close"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        player = {};
        prompter.asked.clear();
        player.opening = c.opening;
        player.playFails = c.playFails;
        playback->PlayOrStop("4");
        EXPECT_FALSE(playback->Playing());
        EXPECT_EQ(player.calls, c.calls);
        const Prompt& prompt = OnlyPrompt();
        EXPECT_EQ(prompt.messageId, c.message);
        EXPECT_EQ(prompt.captionId, messages::common::kErrorCaption);
        EXPECT_EQ(prompt.icon, Icon::Error);
        EXPECT_EQ(prompt.form, PromptForm::MessageThenDetail);
        EXPECT_EQ(prompt.detail, "/opt/qtr31x/Call Tone 4.wav");
    }
    EXPECT_EQ(stateChanges, 0);
}

TEST_F(CallTonePlaybackTest, AFailedStopKeepsPlaying)
{
    playback->PlayOrStop("2");
    player.stopFails = true;
    playback->PlayOrStop("2");
    EXPECT_TRUE(playback->Playing());
    EXPECT_EQ(OnlyPrompt().messageId, messages::options::kCallToneCannotStop);
    EXPECT_EQ(OnlyPrompt().detail, "/opt/qtr31x/Call Tone 2.wav");
    player.stopFails = false;
    playback->PlayOrStop("2");
    EXPECT_FALSE(playback->Playing());
}

TEST_F(CallTonePlaybackTest, AnotherLevelInTheFieldStopsTheTone)
{
    playback->PlayOrStop("3");
    playback->LevelChanged("3");
    EXPECT_TRUE(playback->Playing());
    playback->LevelChanged("");
    EXPECT_FALSE(playback->Playing());
    playback->LevelChanged("5"); // idle: nothing to stop, nothing played
    EXPECT_FALSE(playback->Playing());
    EXPECT_EQ(player.calls, (Calls{"open /opt/qtr31x/Call Tone 3.wav", "play", "stop", "close"}));
}

TEST_F(CallTonePlaybackTest, AnEarlierToneEndingLateDoesNotStopTheNextOne)
{
    playback->PlayOrStop("1");
    test::FakeSoundPlayer late = player; // holds the first playing's completion notice
    playback->PlayOrStop("1");
    playback->PlayOrStop("2");
    late.Finish();
    EXPECT_TRUE(playback->Playing());
    EXPECT_EQ(playback->Level(), 2);
}

TEST_F(CallTonePlaybackTest, ClosingStopsTheToneAndANoticeAfterwardsIsHarmless)
{
    playback->PlayOrStop("6");
    test::FakeSoundPlayer late = player;
    playback.reset();
    EXPECT_EQ(player.calls, (Calls{"open /opt/qtr31x/Call Tone 6.wav", "play", "stop", "close"}));
    late.Finish();
    EXPECT_TRUE(prompter.asked.empty());
}

} // namespace
} // namespace qtr
