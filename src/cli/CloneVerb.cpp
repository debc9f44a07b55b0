#include "cli/CloneVerb.h"

#include "cli/CliContext.h"
#include "cli/StopReport.h"
#include "cli/Verb.h"
#include "core/base/PrintableText.h"
#include "core/base/SafeSave.h"
#include "core/base/Sha256.h"
#include "core/base/SystemClock.h"
#include "core/link/LinkStep.h"
#include "core/link/PosixWrite.h"
#include "core/link/RadioInformation.h"
#include "core/link/RadioSession.h"
#include "core/link/RadioTransfer.h"
#include "core/link/WriteReadiness.h"
#include "core/model/IdentityFields.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <map>
#include <ostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qtr::cli {

namespace {

constexpr const char* kLogHeader = "time,port,radio_model,serial,file,sha256,result,reason";

// A field with a comma, a quote or a line break goes in quotes, its quotes doubled.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// ISO 8601 local time with the offset written "+01:00".
std::string LocalTimeStamp()
{
    const std::tm now = SystemClock().Now();
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &now);
    std::string stamp = text;
    if (stamp.size() >= 5)
        stamp.insert(stamp.size() - 2, ":");
    return stamp;
}

// What the radio sent goes onto the terminal and into the log only as printable ASCII.
std::string CodeText(const RadioIdentity& identity)
{
    return PrintableText(std::string(identity.begin(), identity.begin() + identity::kCodeLength));
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// A stop signal arriving meanwhile must not lose the row; a log on a terminal or a pipe
// has no disk to reach.
bool OnDisk(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno == EINVAL)
            return true;
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

int CloneVerb::Run(const CliArguments& arguments)
{
    if (!context_.Accepts(arguments, {"port", "log", "verify", "retries"}, 1, "exactly one FILE"))
        return 1;
    if (const auto problem = context_.PrepareLink(arguments))
        return context_.Fail(*problem);
    retries_ = context_.RadioPrompter().RetriesLeft();
    file_ = arguments.Plain().front();
    if (!context_.LoadImage(file_))
        return 1;
    Workspace& app = context_.App();
    if (const auto refusal = WriteReadiness::Refusal(app.state.image, app.catalog))
        return context_.Fail(PromptText(*refusal, app.catalog));
    const auto log = arguments.Option("log");
    if (log && !OpenLog(*log))
        return context_.Fail("cannot open the log " + *log + ": " + std::strerror(errno));
    port_ = *arguments.Option("port");
    sha256_ = Sha256Hex(app.state.image);

    bool allWritten = true;
    std::map<std::string, int> seen; // serial, number of the radio that said it first
    for (int number = 1;; ++number) {
        Result result = CloneOne(arguments.Flag("verify"));
        allWritten = allWritten && (result.result == "written" || result.result == "verified");
        if (const auto first = seen.emplace(result.serial, number); !result.serial.empty() && !first.second)
            NoteRepeatedSerial(result, first.first->second);
        allWritten = Record(result, number) && allWritten;
        // A signal stops the loop; the status the program ends with says which one.
        if (context_.Stopped())
            break;
        context_.Out() << "Connect the next radio and press Enter, or end the input to stop." << std::endl;
        std::string line;
        if (!std::getline(context_.In(), line)) {
            if (context_.Stopped())
                context_.Fail("stopped between two radios: none was being written");
            break;
        }
    }
    return allWritten ? 0 : 1;
}

CloneVerb::~CloneVerb()
{
    if (log_ >= 0)
        ::close(log_);
}

bool CloneVerb::OpenLog(const std::string& path)
{
    logPath_ = path;
    log_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, kNewFileMode);
    struct stat status {};
    if (log_ < 0 || ::fstat(log_, &status) != 0)
        return false;
    needsHeader_ = status.st_size == 0;
    return true;
}

bool CloneVerb::AppendToLog(const std::string& text)
{
    if (WriteAll(log_, reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) && OnDisk(log_))
        return true;
    context_.Fail("cannot write the log " + logPath_ + ": " + std::strerror(errno));
    return false;
}

CloneVerb::Result CloneVerb::CloneOne(bool verify)
{
    Workspace& app = context_.App();
    context_.RadioPrompter().SetRetries(retries_);
    RadioSession session(context_.Link(), context_.RadioPrompter(), app.catalog, &context_.Progress());
    RadioTransfer transfer(session, app.state, context_.Progress());
    Result result;
    CloneRefusal refusal = CloneRefusal::None;
    TransferGuards guards;
    guards.readSerial = true;
    guards.verify = verify;
    guards.admit = [&](const RadioIdentity& radio) {
        result.model = CodeText(radio);
        if (transfer.Serial())
            result.serial =
                PrintableText(Trimmed(RadioInformation(radio, *transfer.Serial(), RadioVersion{}).SerialNumberText()));
        refusal = CheckCloneTarget(radio, app.state.image);
        if (refusal != CloneRefusal::None)
            result.reason = RefusalReason(refusal, radio);
        return refusal == CloneRefusal::None;
    };
    transfer.UseGuards(guards);
    RadioIdentity identity{};
    if (transfer.WriteToRadio(identity)) {
        result.result = verify ? "verified" : "written";
        return result;
    }
    if (context_.Stopped()) {
        result.result = "interrupted";
        result.reason = StopReport(context_.Progress().Step(), true);
        return result;
    }
    result.result = transfer.Outcome() == TransferOutcome::TurnedAway ? "refused" : "failed";
    if (result.reason.empty())
        result.reason = transfer.Mismatch() ? "the radio holds other bytes than were written: " +
                                                  std::to_string(transfer.Mismatch()->count) + " differ, the first at " +
                                                  HexAddress(transfer.Mismatch()->firstAddress)
                                            : FailureReason(static_cast<int>(transfer.Outcome()));
    return result;
}

std::string CloneVerb::RefusalReason(CloneRefusal refusal, const RadioIdentity& radio) const
{
    const ImageBytes& image = context_.App().state.image;
    const auto code = image.begin() + identity::kModelCode.offset;
    const std::string fileCode(code, code + identity::kCodeLength);
    switch (refusal) {
    case CloneRefusal::UnknownModel:
        return "unknown model code " + CodeText(radio);
    case CloneRefusal::OtherModel:
        return "another model: the radio is " + CodeText(radio) + ", the file is for " + fileCode;
    case CloneRefusal::OtherLine:
        return "another model line";
    case CloneRefusal::OtherChannelClass:
        return "another channel class";
    case CloneRefusal::OtherBand:
        return "another frequency band";
    case CloneRefusal::None:
        break;
    }
    return {};
}

std::string CloneVerb::FailureReason(int outcome) const
{
    if (outcome == static_cast<int>(TransferOutcome::CheckFailed))
        return "the read-back failed: the radio may hold a partial image";
    const LinkStep& step = context_.Progress().Step();
    const std::string text = LinkStepText(step, context_.App().catalog);
    const bool writing = step.phase == LinkStep::Phase::WritingBlock;
    return "communication with the radio failed" + (text.empty() ? std::string() : " (" + text + ")") +
           (writing ? "; the radio may hold a partial image" : "");
}

// The same radio twice, or two radios with one serial: either is worth a look.
void CloneVerb::NoteRepeatedSerial(Result& result, int firstNumber)
{
    constexpr const char* kSeenBefore = "serial seen before in this run";
    result.reason += (result.reason.empty() ? "" : "; ") + std::string(kSeenBefore);
    context_.Err() << "qtr31x-cli: warning: " << kSeenBefore << ": " << result.serial << " (radio " << firstNumber
                   << ")" << std::endl;
}

bool CloneVerb::Record(const Result& result, int number)
{
    std::ostream& out = context_.Out();
    out << "radio " << number << ": " << (result.model.empty() ? "?" : result.model)
        << (result.serial.empty() ? "" : " " + result.serial) << ": " << result.result
        << (result.reason.empty() ? "" : " (" + result.reason + ")") << std::endl;
    if (log_ < 0)
        return true;
    std::string row;
    for (const std::string& field : {LocalTimeStamp(), port_, result.model, result.serial, file_, sha256_,
                                     result.result})
        row += CsvField(field) + ',';
    row += CsvField(result.reason) + '\n';
    // The header goes with the first row, so a log that cannot be written fails where a row does.
    if (needsHeader_)
        row.insert(0, std::string(kLogHeader).append("\n"));
    const bool written = AppendToLog(row);
    needsHeader_ = needsHeader_ && !written;
    return written;
}

Verb verbs::Clone()
{
    return {"clone",
            "  qtr31x-cli clone --port <n|device> FILE [--log LOG.csv] [--verify]\n"
            "      Writes the file to one radio after another on the port, Enter between two radios,\n"
            "      end of input to stop; refuses a radio of another model, line, band or channel\n"
            "      class; --log appends a CSV row per radio.\n",
            [](CliContext& context, const CliArguments& arguments) { return CloneVerb(context).Run(arguments); }};
}

} // namespace qtr::cli
