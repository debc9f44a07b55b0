#pragma once

#include "cli/CliArguments.h"
#include "core/link/CloneAdmission.h"
#include "core/link/RadioLink.h"

#include <optional>
#include <string>

namespace qtr::cli {

class CliContext;

// "clone": one file into one radio after another on the same port. Each radio is
// identified and asked its serial number; one that a plain write would refuse or ask
// about is turned away with nothing written. Enter goes on to the next radio, the end of
// the input stops; the log gets a CSV row per radio.
class CloneVerb {
public:
    explicit CloneVerb(CliContext& context) : context_(context) {}
    ~CloneVerb();
    CloneVerb(const CloneVerb&) = delete;
    CloneVerb& operator=(const CloneVerb&) = delete;
    int Run(const CliArguments& arguments);

    // What became of one radio, as the log records it.
    struct Result {
        std::string model; // the radio's model code; empty when it never said
        std::string serial;
        std::string result; // written, verified, refused, failed, interrupted
        std::string reason;
    };

private:
    bool OpenLog(const std::string& path);
    // Each row reaches the disk before the next radio; false (the user told) when it did not.
    bool AppendToLog(const std::string& text);
    Result CloneOne(bool verify);
    std::string RefusalReason(CloneRefusal refusal, const RadioIdentity& radio) const;
    std::string FailureReason(int outcome) const;
    void NoteRepeatedSerial(Result& result, int firstNumber);
    // False when the log row could not be written.
    bool Record(const Result& result, int number);

    CliContext& context_;
    int log_ = -1;
    std::string logPath_;
    bool needsHeader_ = false;
    std::string port_;
    std::string file_;
    std::string sha256_;
    int retries_ = 0;
};

} // namespace qtr::cli
