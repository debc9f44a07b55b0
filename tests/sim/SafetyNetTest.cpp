#include "RadioPair.h"
#include "TempFolder.h"
#include "core/app/TransferSafety.h"
#include "core/base/messages/Link.h"
#include "core/document/DataFile.h"
#include "core/link/BlockPlan.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qtr {
namespace {

using Direction = TransferDialogModel::Direction;

// Verified writes and the backups around a transfer, against a simulated radio.
class SafetyNetTest : public testing::Test {
protected:
    explicit SafetyNetTest() : profile(test::Radio("P7100")) {}

    bool Run(test::RadioPair& pair, Direction direction)
    {
        TransferDialogModel model(pair.app, pair.link, pair.progress, direction);
        model.UseSafety(options);
        const bool done = model.Start();
        outcome = model.Outcome();
        lastBackup = model.LastBackup();
        keptAll = model.KeptAll();
        return done;
    }

    // The program's image: the radio's model, with a message the radio does not hold yet.
    void Prepare(test::RadioPair& pair)
    {
        pair.StartWith(profile.identity);
        ImageView(pair.app.state.image).SetText(768, "NEW IN THE FILE");
        pair.app.state.MarkSaved();
    }

    std::vector<std::filesystem::path> Backups() const
    {
        std::vector<std::filesystem::path> found;
        if (std::filesystem::exists(folder.File("backups")))
            for (const auto& entry : std::filesystem::directory_iterator(folder.File("backups")))
                found.push_back(entry.path());
        return found;
    }

    sim::RadioProfile profile;
    SafetyOptions options;
    test::TempFolder folder;
    TransferOutcome outcome = TransferOutcome::Failed;
    std::optional<std::string> lastBackup;
    bool keptAll = true;
};

TEST_F(SafetyNetTest, AVerifiedWriteReadsBackEveryWrittenByteAsAPhaseOfItsOwn)
{
    options.verifyAfterWrite = true;
    test::RadioPair pair(profile);
    Prepare(pair);
    ASSERT_TRUE(Run(pair, Direction::Write));
    EXPECT_EQ(outcome, TransferOutcome::Done);
    EXPECT_EQ(pair.radio.Memory()[768], 'N');
    EXPECT_EQ(pair.progress.range, std::make_pair(0, 832)); // the read-back's own range
    EXPECT_EQ(pair.progress.positions.back(), 832);
    EXPECT_EQ(pair.prompter.AskedIds(), std::vector<int>{messages::link::kWriteDone});
    EXPECT_TRUE(pair.RadioHeardEndLast());

    // Every byte sent lies in a block read back, and no read goes beyond the written ranges.
    ImageBytes covered{};
    for (const Block& block : VerifyBlockPlan())
        std::fill_n(covered.begin() + block.address, block.length, 1);
    for (const Block& block : WriteBlockPlan())
        for (std::size_t at = block.address; at < block.address + block.length; ++at)
            EXPECT_EQ(covered[at], 1) << at;
    EXPECT_EQ(VerifyBlockPlan().back().address, 0x300);
}

TEST_F(SafetyNetTest, ARadioThatAcknowledgesABlockButStoresSomethingElseIsAFailedWrite)
{
    options.verifyAfterWrite = true;
    profile.faults.push_back({sim::Step::WriteBlock, sim::FaultKind::StoresOther, 25}); // the block at 0x1C8
    test::RadioPair pair(profile);
    Prepare(pair);
    EXPECT_FALSE(Run(pair, Direction::Write));
    EXPECT_EQ(outcome, TransferOutcome::Mismatch);
    ASSERT_EQ(pair.prompter.AskedIds(), std::vector<int>{RadioTransfer::kMismatchId});
    EXPECT_EQ(pair.prompter.asked[0].detail,
              "The radio does not hold what was written: 16 bytes differ, the first at image address 0x1C8. "
              "Write to the radio again.");
    EXPECT_EQ(pair.prompter.asked[0].icon, Icon::Error);
    EXPECT_TRUE(pair.RadioHeardEndLast());

    // Without the read-back the same radio passes for written.
    options.verifyAfterWrite = false;
    test::RadioPair unverified(profile);
    Prepare(unverified);
    EXPECT_TRUE(Run(unverified, Direction::Write));
}

TEST_F(SafetyNetTest, AFaultDuringTheReadBackIsAFailedWriteThatMayHaveLeftAPartialImage)
{
    options.verifyAfterWrite = true;
    profile.faults.push_back({sim::Step::ReadBlock, sim::FaultKind::HangUp, 4, 1, 10});
    test::RadioPair pair(profile);
    Prepare(pair);
    pair.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(Run(pair, Direction::Write));
    EXPECT_EQ(outcome, TransferOutcome::CheckFailed);
    ASSERT_EQ(pair.prompter.AskedIds(), std::vector<int>{RadioTransfer::kCheckFailedId});
    EXPECT_EQ(pair.prompter.asked[0].buttons, Buttons::RetryCancel);
    EXPECT_NE(PromptText(pair.prompter.asked[0], pair.app.catalog).find("partial image"), std::string::npos);
    EXPECT_FALSE(pair.link.Port().IsOpen());

    // Retry writes and checks again, and then succeeds.
    auto once = test::Radio("P7100");
    once.faults.push_back({sim::Step::ReadBlock, sim::FaultKind::Silence, 2});
    test::RadioPair retried(once);
    Prepare(retried);
    retried.prompter.answers = {Answer::Retry};
    EXPECT_TRUE(Run(retried, Direction::Write));
    EXPECT_EQ(retried.prompter.AskedIds(),
              (std::vector<int>{RadioTransfer::kCheckFailedId, messages::link::kWriteDone}));
    EXPECT_EQ(retried.radio.Memory()[768], 'N');
}

// The read-back puts no more bytes on the line than a read, so on a real line it takes no longer
// (bench_link times both against the line's pace).
TEST_F(SafetyNetTest, TheReadBackCostsNoMoreThanARead)
{
    const auto bytesOnTheLine = [this](Direction direction, bool verify) {
        options.verifyAfterWrite = verify;
        test::RadioPair pair(profile);
        Prepare(pair);
        EXPECT_TRUE(Run(pair, direction));
        return pair.radio.Received().size() + pair.radio.SentCount();
    };
    const auto read = bytesOnTheLine(Direction::Read, false);
    const auto write = bytesOnTheLine(Direction::Write, false);
    const auto verified = bytesOnTheLine(Direction::Write, true);
    EXPECT_GT(verified, write);
    EXPECT_LE(verified - write, read);
}

TEST_F(SafetyNetTest, TheBackupBeforeAWriteHoldsTheRadiosPreviousImageByteForByte)
{
    options.backupBeforeWrite = true;
    options.backupFolder = folder.File("backups");
    ImageView(profile.memory).SetText(768, "THE RADIO'S OWN");
    const ImageBytes previous = profile.memory;
    test::RadioPair pair(profile);
    Prepare(pair);
    ASSERT_TRUE(Run(pair, Direction::Write));
    ASSERT_TRUE(lastBackup);
    EXPECT_EQ(test::TempFolder::ReadBytes(*lastBackup), datafile::Build(previous, datafile::MagicFor(previous)));
    const std::string name = std::filesystem::path(*lastBackup).filename().string();
    EXPECT_EQ(name.rfind("P7100-12345678ABCD_0042_SIM-01-", 0), 0u) << name;
    EXPECT_EQ(name.size(), std::string("P7100-12345678ABCD_0042_SIM-01-20261207-144014.dat").size()) << name;
    EXPECT_EQ(pair.radio.Memory()[768], 'N');

    // A second write the same second keeps a second file beside the first.
    ASSERT_TRUE(Run(pair, Direction::Write));
    EXPECT_EQ(Backups().size(), 2u);
}

TEST_F(SafetyNetTest, ABackupThatCannotBeWrittenStopsTheWriteBeforeAnyBlockIsSent)
{
    options.backupBeforeWrite = true;
    test::TempFolder::WriteBytes(folder.File("a-file"), {1});
    options.backupFolder = folder.File("a-file/backups");
    test::RadioPair pair(profile);
    Prepare(pair);
    EXPECT_FALSE(Run(pair, Direction::Write));
    EXPECT_EQ(outcome, TransferOutcome::NotKept);
    EXPECT_FALSE(keptAll);
    ASSERT_EQ(pair.prompter.AskedIds(), std::vector<int>{messages::link::kPreviousNotKept});
    EXPECT_EQ(pair.prompter.asked[0].detail.rfind("Cannot keep the radio's memory in " + options.backupFolder + "/P7100-", 0), 0u)
        << pair.prompter.asked[0].detail;
    EXPECT_NE(pair.prompter.asked[0].detail.find("Nothing was written to the radio."), std::string::npos);
    EXPECT_EQ(pair.radio.Memory(), profile.memory);
    const auto heard = pair.radio.Received();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), wire::kDataBlock), 0);
    EXPECT_TRUE(pair.RadioHeardEndLast());
}

TEST_F(SafetyNetTest, AReadKeepsTheImageItReadAndAPlainReadAsksNothingMore)
{
    options.backupReads = true;
    options.backupFolder = folder.File("backups");
    test::RadioPair pair(profile);
    Prepare(pair);
    ASSERT_TRUE(Run(pair, Direction::Read));
    ASSERT_TRUE(lastBackup);
    EXPECT_EQ(test::TempFolder::ReadBytes(*lastBackup),
              datafile::Build(pair.app.state.image, datafile::MagicFor(pair.app.state.image)));

    SafetyOptions plain;
    options = plain;
    test::RadioPair other(profile);
    Prepare(other);
    ASSERT_TRUE(Run(other, Direction::Read));
    const auto heard = other.radio.Received();
    EXPECT_EQ(std::string(heard.begin(), heard.end()).find("NRK"), std::string::npos);
    EXPECT_FALSE(lastBackup);
}

} // namespace
} // namespace qtr
