#pragma once

#include "core/link/BlockPlan.h"
#include "core/link/LinkStep.h"
#include "core/link/RadioLink.h"
#include "core/link/TransferGuards.h"
#include "core/link/WrittenImageCheck.h"
#include "core/model/RadioState.h"
#include "core/base/messages/Link.h"

#include <cstddef>
#include <optional>

namespace qtr {

class RadioSession;
class TransferProgress;

// Read from Radio and Write to Radio on the wire: handshake, identity, the blocks, and
// the end of programming mode, with Retry and Cancel after every failed exchange. A read
// collects the radio's memory in the snapshot array and leaves the image alone; a write
// never changes the image. Guards, when given, add the serial number, a refusal of
// the radio, a copy of its memory before a write and a read-back after it.
class RadioTransfer {
public:
    static constexpr int kReadRange = 1024;
    static constexpr int kWriteRange = 811; // the last block sets 816, so the bar ends full
    static constexpr int kMismatchId = messages::link::kVerifyMismatch;
    static constexpr int kCheckFailedId = messages::link::kVerifyFailed;

    RadioTransfer(RadioSession& session, RadioState& state, TransferProgress& progress)
        : session_(session), state_(state), progress_(progress)
    {
    }

    // True when all 1024 bytes arrived; `identity` is the radio's, rewritten as the image stores it.
    bool ReadFromRadio(RadioIdentity& identity);
    // True when every block was confirmed; `identity` is the radio's.
    bool WriteToRadio(RadioIdentity& identity);

    void UseGuards(TransferGuards guards) { guards_ = std::move(guards); }
    TransferOutcome Outcome() const { return outcome_; }
    // The radio's serial number, when the guards asked for it and it came.
    const std::optional<RadioSerial>& Serial() const { return serial_; }
    const std::optional<WriteMismatch>& Mismatch() const { return mismatch_; }

private:
    enum class Direction { Read, Write };

    bool Run(Direction direction, RadioIdentity& identity);
    // The radio's identity, asked again while the user answers Retry; false has ended programming mode.
    bool Identify(RadioIdentity& identity);
    // The serial number when asked for, then the admit guard; false has ended programming mode.
    bool Admit(const RadioIdentity& identity);
    void ReadSerial();
    void StartProgress(Direction direction);
    TransferOutcome TransferBlocks(Direction direction);
    TransferOutcome GuardedWrite();
    bool KeepPrevious();
    TransferOutcome ReadBack();
    bool AskRetryAfter(TransferOutcome outcome);
    void ReportMismatch(const WriteMismatch& mismatch);
    void End(Direction direction);
    void BeginBlock(LinkStep::Phase phase, std::size_t index, std::size_t count);
    bool ReadBlocks();
    // The blocks of the plan into their places in `memory`, the bar counting the bytes.
    bool ReadMemory(LinkStep::Phase phase, const std::vector<Block>& plan, ImageBytes& memory);
    bool ReadBlock(const Block& block, std::uint8_t* data);
    bool WriteBlocks();
    bool WriteBlock(const Block& block);

    RadioSession& session_;
    RadioState& state_;
    TransferProgress& progress_;
    TransferGuards guards_;
    TransferOutcome outcome_ = TransferOutcome::Failed;
    std::optional<RadioSerial> serial_;
    std::optional<WriteMismatch> mismatch_;
    bool previousKept_ = false;
};

} // namespace qtr
