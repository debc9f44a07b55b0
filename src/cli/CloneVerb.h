#pragma once

#include "cli/CliArguments.h"
#include "core/link/CloneAdmission.h"
#include "core/link/RadioLink.h"

#include <fstream>
#include <optional>
#include <string>

namespace qtr::cli {

class CliProgram;

// "clone": one file into one radio after another on the same port. Each radio is
// identified and asked its serial number; one that a plain write would refuse or ask
// about is turned away with nothing written. Enter goes on to the next radio, the end of
// the input stops; the log gets a CSV row per radio.
class CloneVerb {
public:
    explicit CloneVerb(CliProgram& program) : program_(program) {}
    int Run(const CliArguments& arguments);

    // What became of one radio, as the log records it.
    struct Result {
        std::string model; // the radio's model code; empty when it never said
        std::string serial;
        std::string result; // written, verified, refused, failed
        std::string reason;
    };

private:
    bool OpenLog(const std::string& path);
    Result CloneOne(bool verify);
    std::string RefusalReason(CloneRefusal refusal, const RadioIdentity& radio) const;
    std::string FailureReason(int outcome) const;
    void NoteRepeatedSerial(Result& result, int firstNumber);
    void Record(const Result& result, int number);

    CliProgram& program_;
    std::ofstream log_;
    std::string port_;
    std::string file_;
    std::string sha256_;
    int retries_ = 0;
};

} // namespace qtr::cli
