#pragma once

#include "core/link/BlockPlan.h"
#include "core/link/LinkStep.h"
#include "core/link/RadioLink.h"
#include "core/model/RadioState.h"

#include <cstddef>

namespace qtr {

class RadioSession;
class TransferProgress;

// Read from Radio and Write to Radio on the wire: handshake, identity, the blocks, and
// the end of programming mode, with Retry and Cancel after every failed exchange. A read
// collects the radio's memory in the snapshot array and leaves the image alone; a write
// never changes the image.
class RadioTransfer {
public:
    static constexpr int kReadRange = 1024;
    static constexpr int kWriteRange = 811; // the last block sets 816, so the bar ends full

    RadioTransfer(RadioSession& session, RadioState& state, TransferProgress& progress)
        : session_(session), state_(state), progress_(progress)
    {
    }

    // True when all 1024 bytes arrived; `identity` is the radio's, rewritten as the image stores it.
    bool ReadFromRadio(RadioIdentity& identity);
    // True when every block was confirmed; `identity` is the radio's.
    bool WriteToRadio(RadioIdentity& identity);

private:
    enum class Direction { Read, Write };

    bool Run(Direction direction, RadioIdentity& identity);
    void StartProgress(Direction direction);
    bool TransferBlocks(Direction direction);
    void End(Direction direction);
    void BeginBlock(LinkStep::Phase phase, std::size_t index, std::size_t count);
    bool ReadBlocks();
    bool ReadBlock(const Block& block, std::size_t& received);
    bool WriteBlocks();
    bool WriteBlock(const Block& block);

    RadioSession& session_;
    RadioState& state_;
    TransferProgress& progress_;
};

} // namespace qtr
