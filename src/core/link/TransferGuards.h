#pragma once

#include "core/link/RadioLink.h"
#include "core/model/ImageView.h"

#include <functional>

namespace qtr {

// What a transfer may do beyond the plain one, each off unless asked for: ask the
// radio's serial number (once, to name it; no answer is no failure), turn a radio away before anything is written, keep the radio's
// memory as it was before a write, and read back what a write sent.
struct TransferGuards {
    bool readSerial = false;
    bool verify = false;
    // Once the radio has said who it is (and its serial number, when asked), before any
    // question about it; false turns it away: programming mode ends with nothing written.
    std::function<bool(const RadioIdentity&)> admit;
    // The radio's memory as it was, read in the same session before the first block of a
    // write; false stops the write before anything is sent.
    std::function<bool(const ImageBytes&)> keepPrevious;
};

// How a transfer ended.
enum class TransferOutcome {
    Done,
    Failed,      // an exchange failed and the user gave up, or the radio was refused by the identity check
    TurnedAway,  // the admit guard said no
    NotKept,     // the radio's previous memory could not be kept: nothing was written
    Mismatch,    // the read-back differs from what was written
    CheckFailed, // the read-back itself failed: the radio may hold a partial image
    Interrupted, // a stop was requested: the transfer ended after the block under way
};

} // namespace qtr
