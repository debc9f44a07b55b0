#include "cli/CliContext.h"

#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"
#include "core/link/LinkStep.h"
#include "core/link/PortDirectory.h"
#include "core/link/PortFailure.h"
#include "core/link/RadioSession.h"
#include "core/model/ImageIdentity.h"

#include <ostream>

namespace qtr::cli {

CliContext::CliContext(std::ostream& out, std::ostream& err, std::istream& in)
    : out_(out), err_(err), in_(in), console_(out, err), prompter_(console_, err), app_(prompter_, *this, shell_),
      settings_(IniSettingsFile::DefaultPath()), ports_(settings_)
{
    console_.UseCatalog(app_.catalog);
    console_.UseWording([this](const Prompt& prompt) { return RadioWording(prompt); });
}

int CliContext::Interrupted(const std::string& state) const
{
    Fail(state);
    return StopStatus();
}

bool CliContext::Accepts(const CliArguments& arguments, const std::vector<std::string>& known, std::size_t files,
                         const std::string& filesNeeded) const
{
    const auto unknown = arguments.Unknown(known);
    if (!unknown.empty())
        Fail("unknown option --" + unknown.front());
    else if (arguments.Plain().size() != files)
        Fail(arguments.Verb() + " needs " + filesNeeded);
    return unknown.empty() && arguments.Plain().size() == files;
}

int CliContext::Fail(const std::string& message) const
{
    err_ << "qtr31x-cli: " << ConsolePrompter::OneLine(message) << '\n';
    return 1;
}

bool CliContext::LoadImage(const std::string& path)
{
    const datafile::ReadResult result = datafile::Read(path);
    switch (result.error) {
    case datafile::ReadError::None:
        app_.state.image = result.image;
        app_.state.AdoptImageModel();
        app_.state.MarkSaved();
        return true;
    case datafile::ReadError::CannotOpen:
        Fail("cannot open " + path + ": " + datafile::ReasonText(result, app_.catalog));
        return false;
    case datafile::ReadError::DamagedIdentity:
        Fail(path + ": " + app_.catalog.MessageText(messages::document::kDamagedFile, 1) + " " +
             app_.catalog.MessageText(IdentityFaultMessage(result.fault), 1));
        return false;
    default:
        Fail(path + ": " + app_.catalog.MessageText(messages::document::kWrongFile, 1));
        return false;
    }
}

std::optional<std::string> CliContext::PrepareLink(const CliArguments& arguments)
{
    const auto port = arguments.Option("port");
    if (!port || port->empty())
        return arguments.Verb() + " needs --port with a port number or a device";
    const auto retries = WholeNumber(arguments.Option("retries").value_or("0"));
    if (!retries)
        return "--retries needs a whole number";
    prompter_.SetRetries(*retries);
    const auto number = WholeNumber(*port);
    if (number && (*number < 1 || *number > 255))
        return "there is no port " + *port;
    if (!number)
        ports_.WriteText(PortDirectory::kSection, PortDirectory::SettingName(1), *port);
    link_.Port().UseDeviceSettings(&ports_);
    link_.Port().SetPort(static_cast<std::uint8_t>(number.value_or(1)));
    return std::nullopt;
}

bool CliContext::Transfer(TransferDialogModel::Direction direction, const CliArguments& arguments, bool& kept)
{
    const bool reading = direction == TransferDialogModel::Direction::Read;
    const auto folder = arguments.Option("backup");
    TransferDialogModel transfer(app_, link_, progress_, direction);
    transfer.UseSafety({.verifyAfterWrite = arguments.Flag("verify"),
                        .backupBeforeWrite = folder && !reading,
                        .backupReads = folder && reading,
                        .backupFolder = folder.value_or("")});
    const bool done = transfer.Start();
    kept = transfer.KeptAll();
    return done;
}

std::string CliContext::Text(int id) const
{
    return app_.catalog.MessageText(id, 1);
}

void CliContext::Line(const std::string& label, const std::string& value) const
{
    std::string trimmed = label;
    while (!trimmed.empty() && (trimmed.back() == ':' || trimmed.back() == ' '))
        trimmed.pop_back();
    out_ << trimmed << ": " << value << '\n';
}

std::optional<std::string> CliContext::RadioWording(const Prompt& prompt) const
{
    if (prompt.messageId == RadioSession::kCannotOpenPortId) {
        const std::string hint = link_.Port().OpenFailureHint();
        return "cannot open " + PortFailureText(link_.Port().OpenFailure(), app_.catalog) + (hint.empty() ? "" : "\n" + hint);
    }
    if (prompt.buttons == Buttons::RetryCancel)
        return FailedExchangeText(prompt);
    return std::nullopt;
}

// Every Retry/Cancel message of the language file ends with a paragraph about the two
// buttons; that one goes, and what was under way comes in its place, with the option that
// tries again once the retries given are used up.
std::string CliContext::FailedExchangeText(const Prompt& prompt) const
{
    std::string text = PromptText(prompt, app_.catalog);
    if (const auto buttons = text.rfind("\n\n"); buttons != std::string::npos)
        text.erase(buttons);
    text = ConsolePrompter::OneLine(text);
    if (const std::string step = LinkStepText(progress_.Step(), app_.catalog);
        !step.empty() && prompt.messageId == RadioSession::kCommunicationFailedId)
        text += " (" + step + ")";
    if (prompter_.RetriesLeft() > 0)
        return text;
    if (progress_.Step().phase == LinkStep::Phase::WritingBlock)
        text += " The radio may hold a partial image: write it again.";
    return text + " Run again with --retries N to try N more times.";
}

} // namespace qtr::cli
