#pragma once

#include "sim/RadioProfile.h"

#include <optional>
#include <string>
#include <vector>

namespace qtr::sim {

// The simulator program's options, turned into the radio it plays.
struct SimCommandLine {
    RadioProfile profile;
    std::vector<RadioProfile> following; // the radios that take its place in turn
    std::string saveFile; // where the memory goes when the simulator stops
    bool help = false;
    bool version = false;

    // Fills `error` and returns nothing when an option is wrong.
    static std::optional<SimCommandLine> Parse(const std::vector<std::string>& words, std::string& error);
    static const char* Usage();
};

} // namespace qtr::sim
