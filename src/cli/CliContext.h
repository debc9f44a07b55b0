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
#include <optional>
#include <string>
#include <vector>

namespace qtr::cli {

// What every verb works with: the streams, the program state, the radio port with its
// prompter and progress, and the stop request. Failures are told here in the tool's one way.
class CliContext : private FilePicker {
public:
    CliContext(std::ostream& out, std::ostream& err, std::istream& in);
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    std::ostream& Out() const { return out_; }
    std::ostream& Err() const { return err_; }
    std::istream& In() const { return in_; }
    Workspace& App() { return app_; }
    const Workspace& App() const { return app_; }
    RadioLink& Link() { return link_; }
    // The devices of the ports: the desktop program's settings, and a port given as a device.
    const SettingsStore& PortSettings() const { return ports_; }
    RetryingPrompter& RadioPrompter() { return prompter_; }
    QuietProgress& Progress() { return progress_; }

    // The signals that stop a radio operation at its next safe point; the verb then says
    // what state the radio was left in, and the program ends with the signal's status.
    void UseStopRequest(const StopRequest& stop) { stop_ = &stop; link_.UseStopRequest(&stop); }
    bool Stopped() const { return stop_ != nullptr && stop_->Raised(); }
    int StopStatus() const { return stop_->ExitStatus(); }
    // The one line about the radio's state after a stop, and the signal's exit status.
    int Interrupted(const std::string& state) const;

    // The verb's options are all known and it has `files` FILE arguments; otherwise the
    // user is told, `filesNeeded` saying what the verb wants.
    bool Accepts(const CliArguments& arguments, const std::vector<std::string>& known, std::size_t files,
                 const std::string& filesNeeded) const;
    int Fail(const std::string& message) const;
    bool LoadImage(const std::string& path);
    // The port and the retries of a radio verb; the reason when they are wrong.
    std::optional<std::string> PrepareLink(const CliArguments& arguments);
    // The transfer with the guards of --verify and --backup; `kept` false when a backup asked for was not written.
    bool Transfer(TransferDialogModel::Direction direction, const CliArguments& arguments, bool& kept);
    std::string Text(int id) const;
    // "label: value", the label without the colon and blanks it ends with.
    void Line(const std::string& label, const std::string& value) const;

private:
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
