#include "RadioPair.h"

#include "TempFolder.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Link.h"
#include "core/document/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

namespace qtr {
namespace {

using test::Radio;
using test::RadioPair;

bool RadioOwned(std::size_t offset)
{
    return (offset >= 384 && offset < 440) || offset >= 832;
}

// What the program's image should be after reading a radio with this memory.
ImageBytes ExpectedImage(const ImageBytes& memory)
{
    ImageBytes expected = memory;
    if (std::string(expected.begin() + 440, expected.begin() + 445) == "P81L1")
        std::fill(expected.begin() + 256, expected.begin() + 272, 0xFF);
    return expected;
}

struct RoundTrip {
    std::string label;
    sim::RadioProfile profile;
    bool firstRead = false;
    ImageBytes imageAfterRead{};
    bool unchangedAfterRead = false;
    std::vector<int> asked;
    bool write = false;
    ImageBytes memoryAfterWrite{};
    ImageBytes imageWritten{};
    std::size_t bytesHeardByWrite = 0;
    std::vector<std::string> shellCallsOfWrite;
    bool secondRead = false;
    ImageBytes imageAfterSecondRead{};
    std::pair<int, int> writeRange{};
    int lastWritePosition = -1;
};

// Five round trips at once keep the radios' threads waiting for the processor, so the replies the
// program expects get time that only a hang runs out. The waits at the rates a radio does not
// answer are sat out in full, three times a trip: long enough for a late first byte, no longer.
LinkTiming PatientTiming()
{
    LinkTiming timing = test::QuickTiming();
    timing.handshakeReplyMs = 400;
    timing.syncByteMs = 400;
    timing.pollWindowMs = 2000;
    timing.rateTimeoutMs.fill(2000);
    return timing;
}

// Read a radio, change its embedded message, write it back, read it again.
void RunRoundTrip(RoundTrip& trip)
{
    RadioPair pair(trip.profile, PatientTiming());
    trip.firstRead = pair.Read();
    trip.imageAfterRead = pair.app.state.image;
    trip.unchangedAfterRead = !pair.app.state.IsModified();
    ImageView(pair.app.state.image).SetText(768, "CHANGED BY THE TEST");
    const std::size_t heardBefore = pair.radio.Received().size();
    pair.shell.calls.clear();
    trip.write = pair.Write();
    trip.shellCallsOfWrite = pair.shell.calls;
    trip.bytesHeardByWrite = pair.radio.Received().size() - heardBefore;
    trip.writeRange = pair.progress.range;
    trip.lastWritePosition = pair.progress.positions.empty() ? -1 : pair.progress.positions.back();
    trip.memoryAfterWrite = pair.radio.Memory();
    trip.imageWritten = pair.app.state.image;
    pair.StartWith(DefaultModelRecord());
    trip.secondRead = pair.Read();
    trip.imageAfterSecondRead = pair.app.state.image;
    trip.asked = pair.prompter.AskedIds();
}

TEST(TransferTest, ReadsChangesWritesAndReadsBackAtEveryRateAndOnSeveralModels)
{
    std::vector<RoundTrip> trips{
        {"P7100 at 9600", Radio("P7100")},          {"P81L0 Parlane at 19200", Radio("P81L0", {}, 'B')},
        {"P8100 8ch at 4800", Radio("P8100", 0x85)}, {"P71L0 Parlane at 2400", Radio("P71L0", 0x15, 'B')},
        {"P81L1 at 1200", Radio("P81L1")},
    };
    std::vector<std::function<void()>> cases;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        trips[i].profile.rate = kHandshakeRates[i];
        cases.push_back([&trip = trips[i]] { RunRoundTrip(trip); });
    }
    test::RunTogether(cases);

    for (const RoundTrip& trip : trips) {
        SCOPED_TRACE(trip.label);
        ASSERT_TRUE(trip.firstRead);
        EXPECT_EQ(trip.imageAfterRead, ExpectedImage(trip.profile.memory));
        EXPECT_TRUE(trip.unchangedAfterRead);
        ASSERT_TRUE(trip.write);
        for (std::size_t offset = 0; offset < kImageSize; ++offset) {
            const std::uint8_t expected = RadioOwned(offset) ? sim::RadioProfile::OwnByte(offset) : trip.imageWritten[offset];
            ASSERT_EQ(trip.memoryAfterWrite[offset], expected) << "offset " << offset;
        }
        // "PROGRAM" at each rate tried, the identity request and its ACK, 49 block
        // headers with 776 image bytes, and 'E'.
        const std::size_t ratesTried = static_cast<std::size_t>(
            std::find(kHandshakeRates.begin(), kHandshakeRates.end(), trip.profile.rate) - kHandshakeRates.begin() + 1);
        EXPECT_EQ(trip.bytesHeardByWrite, 7 * ratesTried + 2 + 49 * 4 + 776 + 1);
        EXPECT_EQ(trip.shellCallsOfWrite, std::vector<std::string>{"Changed WrittenToRadio"});
        EXPECT_EQ(trip.writeRange, std::make_pair(0, 811));
        EXPECT_EQ(trip.lastWritePosition, 0x330);
        ASSERT_TRUE(trip.secondRead);
        EXPECT_EQ(trip.imageAfterSecondRead, trip.imageWritten);
        EXPECT_EQ(trip.asked,
                  (std::vector<int>{messages::link::kReadDone, messages::link::kWriteDone, messages::link::kReadDone}));
    }
}

TEST(TransferTest, ReadMakesTheRadioTheUnchangedUntitledDocument)
{
    RadioPair pair(Radio("P8100", 0x85, 'B'));
    test::TempFolder folder;
    const std::string path = folder.File("radio.dat");
    pair.StartWith(DefaultModelRecord());
    ASSERT_FALSE(datafile::Write(path, pair.app.state.image, datafile::MagicFor(pair.app.state.image)));
    ASSERT_EQ(pair.app.document.OpenPath(path), datafile::ReadError::None);
    pair.shell.calls.clear();
    ImageView(pair.app.state.image).SetByte(768, 'X');
    pair.prompter.answers = {Answer::No}; // the change is not saved
    ASSERT_TRUE(pair.Read());

    const RadioState& state = pair.app.state;
    EXPECT_FALSE(state.IsModified());
    EXPECT_EQ(state.currentModel, *sim::RadioProfile::IdentityOf("P8100", 0x85, 'B'));
    EXPECT_EQ(state.band.lower, 450.0);
    EXPECT_TRUE(pair.app.document.IsUntitled());
    EXPECT_EQ(pair.progress.range, std::make_pair(0, 1024));
    EXPECT_EQ(pair.progress.positions.back(), 1024);
    EXPECT_FALSE(pair.progress.buttonsEnabled);
    // The test-frequency window hears of the read before it is closed, so it does not warn.
    ASSERT_GE(pair.shell.calls.size(), 2u);
    EXPECT_EQ(pair.shell.calls[0], "Replacing ReadFromRadio");
    EXPECT_EQ(pair.shell.calls[1], "CloseAllEditors");
    EXPECT_EQ(pair.shell.calls.back(), "PostChannelInformation");
    EXPECT_NE(std::find(pair.shell.calls.begin(), pair.shell.calls.end(), "RebuildMenus"), pair.shell.calls.end());
    EXPECT_FALSE(pair.link.Port().IsOpen());
    EXPECT_FALSE(pair.radio.InProgrammingMode());
    EXPECT_FALSE(pair.link.State().reading);
}

// A read replaces the image: a modified one is offered for saving before a word goes to the radio.
TEST(TransferTest, CancelInTheSaveQuestionBeforeAReadLeavesImageAndRadioAlone)
{
    RadioPair pair(Radio("P8100", 0x85, 'B'));
    pair.StartWith(DefaultModelRecord());
    ImageView(pair.app.state.image).SetByte(768, 'X');
    const ImageBytes before = pair.app.state.image;
    pair.shell.calls.clear();
    pair.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(pair.Read());
    EXPECT_EQ(pair.prompter.AskedIds(), std::vector<int>{messages::common::kSaveChangesQuestion});
    EXPECT_EQ(pair.app.state.image, before);
    EXPECT_TRUE(pair.radio.Received().empty());
    EXPECT_TRUE(pair.shell.calls.empty());
    EXPECT_FALSE(pair.link.Port().IsOpen());
}

TEST(TransferTest, RetryAfterAFailedBlockReadsTheWholeImageAgain)
{
    auto profile = Radio("P7100");
    profile.faults.push_back({sim::Step::ReadBlock, sim::FaultKind::Silence, 9});
    RadioPair pair(profile);
    pair.prompter.answers = {Answer::Retry};
    ASSERT_TRUE(pair.Read());
    EXPECT_EQ(pair.app.state.image, ExpectedImage(profile.memory));
    EXPECT_EQ(pair.prompter.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kReadDone}));
    // Position 576 after nine blocks, back to 0 for the second pass, then up to 1024.
    const auto& positions = pair.progress.positions;
    const auto failedAt = std::find(positions.begin(), positions.end(), 576);
    ASSERT_NE(failedAt, positions.end());
    ASSERT_NE(failedAt + 1, positions.end());
    EXPECT_EQ(*(failedAt + 1), 0);
    EXPECT_EQ(positions.back(), 1024);
}

TEST(TransferTest, RetryAfterAFailedHandshakeTriesAllRatesAgain)
{
    auto profile = Radio("P7100");
    profile.faults.push_back({sim::Step::Handshake, sim::FaultKind::Silence});
    RadioPair pair(profile);
    pair.prompter.answers = {Answer::Retry};
    ASSERT_TRUE(pair.Read());
    EXPECT_EQ(pair.prompter.AskedIds(),
              (std::vector<int>{messages::link::kCommunicationFailed, messages::link::kReadDone}));
}

TEST(TransferTest, TheRadioAnswersOnlyAtItsOwnRateAndTheLinkStaysThere)
{
    auto profile = Radio("P7100");
    profile.rate = 2400;
    RadioPair pair(profile, LinkTiming{});
    RadioSession session(pair.link, pair.prompter);
    ASSERT_TRUE(session.OpenRadioPort());
    ASSERT_EQ(pair.link.Handshake(), LinkResult::Done);
    EXPECT_EQ(pair.link.Port().Settings(), "2400,N,8,2");
    EXPECT_EQ(pair.link.Port().ReadTimeout(), 2200u);
    RadioIdentity identity{};
    EXPECT_EQ(pair.link.Identify(identity), LinkResult::Done);
    EXPECT_EQ(identity, profile.identity);
    session.FinishTransfer();
    const auto heard = pair.radio.Received();
    const std::string text(heard.begin(), heard.end());
    EXPECT_EQ(text.substr(0, 28), "PROGRAMPROGRAMPROGRAMPROGRAM"); // 9600, 19200, 4800, 2400
}

TEST(TransferTest, AtFullRateAnOtherByteBeforeTheAckIsAccepted)
{
    auto profile = Radio("P7100");
    profile.faults.push_back({sim::Step::Handshake, sim::FaultKind::StrayByte});
    RadioPair pair(profile);
    RadioSession session(pair.link, pair.prompter);
    ASSERT_TRUE(session.OpenRadioPort());
    EXPECT_EQ(pair.link.Handshake(), LinkResult::Done);
    EXPECT_EQ(pair.link.Port().Settings(), "9600,N,8,2");
    session.FinishTransfer();
}

TEST(TransferTest, APortThatCannotBeOpenedIsReportedOnce)
{
    RadioPair pair(Radio("P7100"));
    pair.radio.Stop();
    // The slave path is gone with the radio: the port cannot be opened at all.
    EXPECT_FALSE(pair.Read());
    EXPECT_EQ(pair.prompter.AskedIds(), std::vector<int>{messages::link::kPortCannotOpen});
    EXPECT_TRUE(pair.link.State().cancelled);
    EXPECT_FALSE(pair.link.Port().IsOpen());
}

} // namespace
} // namespace qtr
