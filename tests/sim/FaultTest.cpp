#include "RadioPair.h"

#include <gtest/gtest.h>

#include <chrono>

namespace qtr {
namespace {

using sim::FaultKind;
using sim::Step;
using SteadyClock = std::chrono::steady_clock;

constexpr FaultKind kKinds[] = {FaultKind::Silence,   FaultKind::WrongByte, FaultKind::Nak,   FaultKind::ShortReply,
                                FaultKind::LongReply, FaultKind::StrayByte, FaultKind::HangUp};

struct FaultCase {
    sim::Fault fault;
    bool succeeded = false;
    bool imageUnchanged = false;
    bool imageIsRadios = false;
    bool memoryUnchanged = false;
    bool portOpen = true;
    bool heardEndLast = false;
    bool hungUp = false;
    std::chrono::milliseconds took{};

    std::string Label() const
    {
        return sim::StepName(fault.step) + " #" + std::to_string(fault.skip) + " " + sim::FaultKindName(fault.kind);
    }
};

// Faults the program cannot get past. An answer to 'E' is never waited for in vain:
// its result does not count.
bool MustFail(const sim::Fault& fault)
{
    if (fault.step == Step::End)
        return false;
    switch (fault.kind) {
    case FaultKind::LongReply:
        return fault.step == Step::ReadBlock; // the poll waits for exactly 68 bytes
    case FaultKind::StrayByte:
        return fault.step == Step::Identity || fault.step == Step::ReadBlock;
    default:
        return true;
    }
}

std::vector<FaultCase> Cases(const std::vector<std::pair<Step, int>>& steps)
{
    std::vector<FaultCase> cases;
    for (const auto& [step, skip] : steps) {
        for (const FaultKind kind : kKinds) {
            sim::Fault fault{step, kind, skip};
            fault.hangUpAfter = step == Step::ReadBlock || step == Step::Identity ? 5 : 0;
            cases.push_back({fault});
        }
    }
    return cases;
}

void Run(FaultCase& c, TransferDialogModel::Direction direction)
{
    auto profile = test::Radio("P7100");
    profile.faults = {c.fault};
    test::RadioPair pair(profile);
    pair.StartWith(profile.identity);
    ImageView(pair.app.state.image).SetText(768, "THE PROGRAM'S OWN");
    pair.app.state.MarkSaved(); // saved: a read asks no save-changes question first
    const ImageBytes before = pair.app.state.image;
    pair.prompter.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
    const auto start = SteadyClock::now();
    c.succeeded = pair.Transfer(direction);
    c.took = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start);
    c.imageUnchanged = pair.app.state.image == before;
    c.imageIsRadios = pair.app.state.image == profile.memory;
    c.memoryUnchanged = pair.radio.Memory() == profile.memory;
    c.portOpen = pair.link.Port().IsOpen();
    c.hungUp = pair.radio.HungUp();
    c.heardEndLast = !c.succeeded && !c.hungUp && pair.RadioHeardEndLast(); // only a cancel must end with 'E'
}

void RunAll(std::vector<FaultCase>& cases, TransferDialogModel::Direction direction)
{
    std::vector<std::function<void()>> runs;
    for (auto& c : cases)
        runs.push_back([&c, direction] { Run(c, direction); });
    test::RunTogether(runs);
}

void ExpectGivenUpInTime(const FaultCase& c)
{
    EXPECT_FALSE(c.portOpen);
    EXPECT_LT(c.took, test::FailureBound(test::QuickTiming()));
    if (!c.succeeded && !c.hungUp) {
        EXPECT_TRUE(c.heardEndLast) << "Cancel must end programming mode";
    }
    if (MustFail(c.fault)) {
        EXPECT_FALSE(c.succeeded);
    }
}

TEST(FaultTest, AFaultyAnswerAtAnyStepOfAReadLeavesTheImageAloneAndEndsTheSession)
{
    auto cases = Cases({{Step::Handshake, 0}, {Step::Identity, 0}, {Step::IdentityConfirm, 0}, {Step::ReadBlock, 0},
                        {Step::ReadBlock, 15}, {Step::ReadConfirm, 0}, {Step::ReadConfirm, 15}, {Step::End, 0}});
    RunAll(cases, TransferDialogModel::Direction::Read);
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.Label());
        ExpectGivenUpInTime(c);
        EXPECT_TRUE(c.succeeded ? c.imageIsRadios : c.imageUnchanged);
    }
}

TEST(FaultTest, AFaultyAnswerAtAnyStepOfAWriteNeverChangesTheImageAndEndsTheSession)
{
    // Block 28 is the one 8-byte block, 48 the last.
    auto cases = Cases({{Step::Handshake, 0}, {Step::Identity, 0}, {Step::IdentityConfirm, 0}, {Step::WriteBlock, 0},
                        {Step::WriteBlock, 28}, {Step::WriteBlock, 48}, {Step::End, 0}});
    RunAll(cases, TransferDialogModel::Direction::Write);
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.Label());
        ExpectGivenUpInTime(c);
        EXPECT_TRUE(c.imageUnchanged);
        const bool beforeAnyBlock = c.fault.step != Step::WriteBlock && c.fault.step != Step::End;
        if (!c.succeeded && beforeAnyBlock) {
            EXPECT_TRUE(c.memoryUnchanged);
        }
        if (c.succeeded) {
            EXPECT_FALSE(c.memoryUnchanged);
        }
    }
}

} // namespace
} // namespace qtr
