#pragma once

#include "cli/CliArguments.h"
#include "cli/ConsolePrompter.h"
#include "cli/RetryingPrompter.h"
#include "cli/QuietProgress.h"
#include "core/base/IniSettingsFile.h"
#include "core/base/OverlaySettingsStore.h"
#include "core/app/Workspace.h"
#include "core/base/ShellHooks.h"
#include "core/base/FilePicker.h"
#include "core/link/RadioLink.h"
#include "core/app/TransferDialogModel.h"

#include <iosfwd>
#include <string>

namespace qtr {
struct ChannelCsvImport;
}

namespace qtr::cli {

// The command-line tool: each verb is a thin front end on the core.
class CliProgram : private FilePicker {
public:
    CliProgram(const std::string& programFolder, std::ostream& out, std::ostream& err, std::istream& in);
    int Run(const std::vector<std::string>& words);
    // The signals that stop a radio operation at its next safe point; the verb then says
    // what state the radio was left in, and the program ends with the signal's status.
    void UseStopRequest(const StopRequest& stop) { stop_ = &stop; link_.UseStopRequest(&stop); }

private:
    friend class CloneVerb;

    int New(const CliArguments& arguments);
    int Show(const CliArguments& arguments);
    int Read(const CliArguments& arguments);
    int Write(const CliArguments& arguments);
    int Info(const CliArguments& arguments);
    int Adjustments(const CliArguments& arguments);
    int ExportCsv(const CliArguments& arguments);
    int ImportCsv(const CliArguments& arguments);
    int RefuseImport(const std::string& input, const ChannelCsvImport& imported);
    int Diff(const CliArguments& arguments);
    int Print(const CliArguments& arguments);
    // The port and the retries of a radio verb; the reason when they are wrong.
    std::optional<std::string> PrepareLink(const CliArguments& arguments);
    // The transfer with the guards of --verify and --backup; `kept` false when a backup asked for was not written.
    bool Transfer(TransferDialogModel::Direction direction, const CliArguments& arguments, bool& kept);
    int Usage(std::ostream& stream) const;
    // The verb's options are all known and it has `files` FILE arguments; otherwise the
    // user is told, `filesNeeded` saying what the verb wants.
    bool Accepts(const CliArguments& arguments, const std::vector<std::string>& known, std::size_t files,
                 const std::string& filesNeeded) const;
    int Fail(const std::string& message) const;
    bool Stopped() const { return stop_ != nullptr && stop_->Raised(); }
    // The one line about the radio's state after a stop, and the signal's exit status.
    int Interrupted(const std::string& state) const;
    int RunVerb(const CliArguments& arguments);
    bool LoadTexts();
    bool LoadImage(const std::string& path);
    void ShowChannels();
    void ShowTestFrequencies();
    void ShowEmbeddedMessage();
    void Line(const std::string& label, const std::string& value);
    std::string Text(int id) const;
    // The command line's own words for the radio's prompts: the device and the system's
    // reason when a port cannot be opened, and what failed and --retries after a failed
    // exchange, instead of the buttons and menus of the desktop program.
    std::optional<std::string> RadioWording(const Prompt& prompt) const;
    std::string FailedExchangeText(const Prompt& prompt) const;

    std::optional<std::string> ChooseOpenPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath(const std::string&, const std::string&) override { return std::nullopt; }

    std::ostream& out_;
    std::ostream& err_;
    std::istream& in_;
    std::string programFolder_;
    ShellHooks shell_;
    ConsolePrompter console_;
    RetryingPrompter prompter_;
    Workspace app_;
    IniSettingsFile settings_; // the desktop program's, for the devices of the ports
    OverlaySettingsStore ports_; // a port given as a device becomes port 1
    RadioLink link_;
    QuietProgress progress_;
    const StopRequest* stop_ = nullptr;
};

} // namespace qtr::cli
