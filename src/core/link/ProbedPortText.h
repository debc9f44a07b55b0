#pragma once

#include <string>

namespace qtr {

struct ProbedPort;

// The device a port opens, with the cable's stable name when it has one: that tells
// which of several adapters a port is.
std::string ProbedPortDevice(const ProbedPort& port);
// The message that says why a port cannot be used, or that a simulated radio answers on
// it; 0 for a port that needs no word.
int ProbedPortNoteId(const ProbedPort& port, bool simulated);

} // namespace qtr
