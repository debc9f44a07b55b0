#pragma once

namespace qtr {

// The state bits every radio operation shares through the one link object.
struct LinkState {
    bool cancelled = false;    // the port could not be opened
    bool dataReady = false;    // the last wait for bytes found them
    bool timedOut = false;     // the last wait for bytes gave up
    bool retryPending = false; // test mode: end programming mode before the next attempt
    bool reading = false;
    bool writing = false;
    bool acceptNak = false;    // a NAK counts as a confirmation
    bool retrying = false;     // the transfer is repeated after a Retry answer
};

} // namespace qtr
