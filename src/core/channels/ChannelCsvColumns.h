#pragma once

#include <string>
#include <vector>

namespace qtr::csv {

// The generic channel list columns that other radio tools and spreadsheets read and write.
inline const std::vector<std::string>& Columns()
{
    static const std::vector<std::string> columns{
        "Location", "Name",     "Frequency", "Duplex",   "Offset", "Tone",  "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
        "Skip",     "Power",    "Comment",   "URCALL",   "RPT1CALL", "RPT2CALL", "DVCODE"};
    return columns;
}

// The values other tools fill in for a tone column the channel does not use.
constexpr const char* kDefaultTone = "88.5";
constexpr const char* kDefaultCode = "023";
constexpr const char* kDefaultPolarity = "NN";
constexpr const char* kDefaultCrossMode = "Tone->Tone";

// Keys of the Comment column for what has no column of its own, written as "key=value;".
constexpr const char* kOptionSignalling = "sig";
constexpr const char* kSpUnmute = "spu";
constexpr const char* kBusyChannelLockout = "bcl";
constexpr const char* kPttId = "pttid";
constexpr const char* kAutodialMemory = "autodial";
constexpr const char* kBeatShift = "beat";
constexpr const char* kCompander = "comp";
constexpr const char* kParlaneEntry = "entry";  // 24: 154.60000 MHz as list entry 24 rather than 04
constexpr const char* kReceiveStep = "rxstep";  // a step code other than the frequency's own
constexpr const char* kTransmitStep = "txstep";

} // namespace qtr::csv
