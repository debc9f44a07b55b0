#include "cli/CliProgram.h"

#include "cli/CloneVerb.h"
#include "cli/QuietProgress.h"
#include "cli/StopReport.h"
#include "core/base/PrintableText.h"
#include "core/base/ProgramVersion.h"
#include "core/channels/ChannelGridText.h"
#include "core/link/LinkStep.h"
#include "core/link/PortDirectory.h"
#include "core/link/PortFailure.h"
#include "core/link/RadioInformationQuery.h"
#include "core/link/RadioSession.h"
#include "core/link/WriteReadiness.h"
#include "core/document/DataFile.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"
#include "core/model/TestFrequencyFields.h"

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <ostream>

namespace qtr::cli {

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  qtr31x-cli new --model <0..7 or model name> --channels <2|8|15|16> [--force] FILE\n"
    "      Writes the data file of a new document for the model (File New, then Save As).\n"
    "  qtr31x-cli show FILE\n"
    "      Prints the model, the programmed channels and the other settings of a data file.\n"
    "  qtr31x-cli read --port <n|device> [--retries N] [--force] [--backup DIR] FILE\n"
    "      Reads the radio on the port (Read from Radio) into a new data file; --backup also\n"
    "      keeps a copy in DIR.\n"
    "  qtr31x-cli write --port <n|device> [--retries N] [--verify] [--backup DIR] FILE\n"
    "      Writes a data file to the radio on the port (Write to Radio); --verify reads back\n"
    "      what was written, --backup first keeps the radio's memory in DIR.\n"
    "  qtr31x-cli clone --port <n|device> [--port ...] FILE [--log LOG.csv] [--verify] [--wait]\n"
    "                   [--backup DIR] [--retries N] [--dtmf-id START] [--vantalink-id FLEET:START]\n"
    "                   [--ids IDS.csv]\n"
    "      Writes the file to many radios, on every port at once. One port goes on after Enter\n"
    "      (end of input stops); with --wait each port looks for the next radio every second by\n"
    "      itself until Ctrl+C, which lets each port finish its radio. Refuses a radio of another\n"
    "      model, line, band or channel class and skips one already programmed in this run.\n"
    "      --dtmf-id and --vantalink-id give each radio the next DTMF ID and Vantalink ID; --ids\n"
    "      takes them by serial number from a CSV file (serial,dtmf_id,vantalink_fleet,\n"
    "      vantalink_id). --log appends a CSV row per radio and continues after its highest IDs.\n"
    "  qtr31x-cli info --port <n|device> [--retries N]\n"
    "      Prints what the radio on the port says about itself (Radio Information).\n"
    "  qtr31x-cli adjustments --port <n|device> [--retries N] [--format text|csv]\n"
    "      Puts the radio into test mode and prints its adjustment values, item by item.\n"
    "  qtr31x-cli export-csv [--force] FILE OUT.csv\n"
    "      Writes the channels of a data file as a generic CSV channel list.\n"
    "  qtr31x-cli import-csv [--allow-empty] FILE IN.csv\n"
    "      Replaces the channels of a data file with those of a CSV channel list; nothing\n"
    "      changes unless every row is right. A list without channels is refused unless\n"
    "      --allow-empty says that removing every channel is meant.\n"
    "  qtr31x-cli diff A.dat B.dat\n"
    "      Prints every setting that differs, then bytes no setting covers; exit 0 when\n"
    "      the files are equal, 1 when they differ, 2 on an error.\n"
    "  qtr31x-cli print FILE --pdf OUT.pdf [--sections LIST]\n"
    "      Writes the printed pages of a data file (File Print) as a PDF. LIST names sections,\n"
    "      separated by commas: features, keys, scan, dtmf, vantalink, testfreq, message,\n"
    "      channels, or all (the default); Parlane models never print dtmf and vantalink.\n"
    "  qtr31x-cli --help | --version\n"
    "Port n is the device named by the setting Ports/COMn of the desktop program (read from\n"
    "$XDG_CONFIG_HOME or ~/.config, HALVERN/QTR31X.conf), else /dev/ttyUSB{n-1}; a path names\n"
    "the device itself. A failed exchange with the radio is tried again N times (default 0).\n"
    "Backups are named <model code>-<serial or unknown>-<YYYYmmdd-HHMMSS>.dat, never replacing a file.\n"
    "\n"
    "Models: 0 \"RB-7100 LMR (VHF)\", 1 \"RB-7100L LMR (VHF)\", 2 \"RB-8100 LMR (UHF)\",\n"
    "        3 \"RB-8100L LMR (UHF)\", 4 \"RB-7100 Parlane (VHF)\", 5 \"RB-7100L Parlane (VHF)\",\n"
    "        6 \"RB-8100 Parlane (UHF)\", 7 \"RB-8100L Parlane (UHF)\".\n"
    "15 and 16 channels exist on the RB-8100L models only.\n";

constexpr int kChannelHeaderId = 3012029;
// The grid labels its free-area field with a fixed layout text, not a message.
constexpr const char* kFreeAreaLabel = "Free Area (Bytes)";
constexpr int kTestFrequencyId = 3002107;
constexpr int kEmbeddedMessageId = 3002109;
constexpr int kModelTypeId = 3005023;
constexpr int kChannelCountId = 3420222;

std::optional<int> WholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

} // namespace

CliProgram::CliProgram(const std::string& programFolder, std::ostream& out, std::ostream& err, std::istream& in)
    : out_(out), err_(err), in_(in), programFolder_(programFolder), console_(out, err), prompter_(console_, err),
      app_(prompter_, *this, shell_), settings_(IniSettingsFile::DefaultPath()), ports_(settings_)
{
    console_.UseCatalog(app_.catalog);
    console_.UseWording([this](const Prompt& prompt) { return RadioWording(prompt); });
}

int CliProgram::Run(const std::vector<std::string>& words)
{
    std::string error;
    const auto arguments = CliArguments::Parse(words, error);
    if (!arguments)
        return Fail(error);
    if (arguments->Flag("version")) {
        out_ << VersionLine("qtr31x-cli") << '\n';
        return 0;
    }
    if (arguments->Verb().empty() || arguments->Verb() == "help" || arguments->Flag("help"))
        return Usage(arguments->Verb().empty() && !arguments->Flag("help") ? err_ : out_);
    if (!LoadTexts())
        return arguments->Verb() == "diff" ? 2 : 1; // diff keeps 1 for "the files differ"
    const int status = RunVerb(*arguments);
    return Stopped() ? stop_->ExitStatus() : status;
}

int CliProgram::RunVerb(const CliArguments& arguments)
{
    if (arguments.Verb() == "new")
        return New(arguments);
    if (arguments.Verb() == "show")
        return Show(arguments);
    if (arguments.Verb() == "read")
        return Read(arguments);
    if (arguments.Verb() == "write")
        return Write(arguments);
    if (arguments.Verb() == "info")
        return Info(arguments);
    if (arguments.Verb() == "adjustments")
        return Adjustments(arguments);
    if (arguments.Verb() == "clone")
        return CloneVerb(*this).Run(arguments);
    if (arguments.Verb() == "export-csv")
        return ExportCsv(arguments);
    if (arguments.Verb() == "import-csv")
        return ImportCsv(arguments);
    if (arguments.Verb() == "diff")
        return Diff(arguments);
    if (arguments.Verb() == "print")
        return Print(arguments);
    return Fail("unknown command \"" + arguments.Verb() + "\" (try qtr31x-cli --help)");
}

int CliProgram::Usage(std::ostream& stream) const
{
    stream << kUsage;
    return &stream == &err_ ? 2 : 0;
}

bool CliProgram::Accepts(const CliArguments& arguments, const std::vector<std::string>& known, std::size_t files,
                         const std::string& filesNeeded) const
{
    const auto unknown = arguments.Unknown(known);
    if (!unknown.empty())
        Fail("unknown option --" + unknown.front());
    else if (arguments.Plain().size() != files)
        Fail(arguments.Verb() + " needs " + filesNeeded);
    return unknown.empty() && arguments.Plain().size() == files;
}

int CliProgram::Fail(const std::string& message) const
{
    err_ << "qtr31x-cli: " << ConsolePrompter::OneLine(message) << '\n';
    return 1;
}

int CliProgram::Interrupted(const std::string& state) const
{
    Fail(state);
    return stop_->ExitStatus();
}

bool CliProgram::LoadTexts()
{
    app_.catalog.SetFolder(programFolder_);
    auto ids = MessageCatalog::ProgramMessages();
    const int result = app_.catalog.LoadLanguage(ids, MessageCatalog::kEnglish);
    if (result == MessageCatalog::kLoaded)
        return true;
    const std::string path = programFolder_ + "/" + MessageCatalog::LanguageFileName(MessageCatalog::kEnglish);
    Fail(result == MessageCatalog::kCannotOpen ? "cannot read the language file " + path
                                               : "the language file " + path + " is damaged");
    return false;
}

int CliProgram::New(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"model", "channels", "force"}, 1, "exactly one output FILE"))
        return 1;
    const auto modelText = arguments.Option("model");
    const auto channelsText = arguments.Option("channels");
    if (!modelText || !channelsText)
        return Fail("new needs --model and --channels");
    const auto model = FindModelType(*modelText);
    if (!model)
        return Fail("unknown model \"" + *modelText + "\"");
    const auto channels = WholeNumber(*channelsText);
    const auto record = channels ? ModelRecordFor(*model, *channels) : std::nullopt;
    if (!record)
        return Fail("the " + std::string(ModelTable()[static_cast<std::size_t>(*model)].printedName) +
                    " has no " + *channelsText + "-channel version (2 or 8; 15 or 16 on the RB-8100L models)");
    const std::string& path = arguments.Plain().front();
    if (std::filesystem::exists(path) && !arguments.Flag("force"))
        return Fail(path + " already exists (use --force to replace it)");

    app_.state.currentModel = *record;
    app_.BuildFirstImage();
    BuildImageForNewDocument(app_.state);
    if (const auto failure = datafile::Write(path, app_.state.image, datafile::MagicFor(app_.state.image)))
        return Fail("cannot write " + path + ": " + *failure);
    return 0;
}

bool CliProgram::LoadImage(const std::string& path)
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
        Fail(path + ": " + app_.catalog.MessageText(datafile::kDamagedFileMessage, 1) + " " +
             app_.catalog.MessageText(IdentityFaultMessage(result.fault), 1));
        return false;
    default:
        Fail(path + ": " + app_.catalog.MessageText(datafile::kWrongFileMessage, 1));
        return false;
    }
}

int CliProgram::Show(const CliArguments& arguments)
{
    if (!Accepts(arguments, {}, 1, "exactly one FILE"))
        return 1;
    if (!LoadImage(arguments.Plain().front()))
        return 1;
    RadioState& state = app_.state;
    const int model = state.ModelTypeOfRecord(state.currentModel);
    Line(Text(kModelTypeId), model < 0 ? "?" : ModelTable()[static_cast<std::size_t>(model)].printedName);
    Line(Text(kChannelCountId), std::to_string(state.SlotCount()));
    ShowChannels();
    Line(kFreeAreaLabel, std::to_string(app_.channels.FreeBytes()));
    ShowTestFrequencies();
    ShowEmbeddedMessage();
    return 0;
}

std::optional<std::string> CliProgram::PrepareLink(const CliArguments& arguments)
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
    link_.UseDeviceSettings(&ports_);
    link_.SetPort(static_cast<std::uint8_t>(number.value_or(1)));
    return std::nullopt;
}

bool CliProgram::Transfer(TransferDialogModel::Direction direction, const CliArguments& arguments, bool& kept)
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

std::optional<std::string> CliProgram::RadioWording(const Prompt& prompt) const
{
    if (prompt.messageId == RadioSession::kCannotOpenPortId) {
        const std::string hint = link_.OpenFailureHint();
        return "cannot open " + PortFailureText(link_.OpenFailure(), app_.catalog) + (hint.empty() ? "" : "\n" + hint);
    }
    if (prompt.buttons == Buttons::RetryCancel)
        return FailedExchangeText(prompt);
    return std::nullopt;
}

// Every Retry/Cancel message of the language file ends with a paragraph about the two
// buttons; that one goes, and what was under way comes in its place, with the option that
// tries again once the retries given are used up.
std::string CliProgram::FailedExchangeText(const Prompt& prompt) const
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

int CliProgram::Read(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"port", "retries", "force", "backup"}, 1, "exactly one output FILE"))
        return 1;
    const std::string& path = arguments.Plain().front();
    if (std::filesystem::exists(path) && !arguments.Flag("force"))
        return Fail(path + " already exists (use --force to replace it)");
    if (const auto problem = PrepareLink(arguments))
        return Fail(*problem);
    bool kept = true;
    if (!Transfer(TransferDialogModel::Direction::Read, arguments, kept))
        return Stopped() ? Interrupted(StopReport(progress_.Step(), false)) : 1;
    if (const auto failure = datafile::Write(path, app_.state.image, datafile::MagicFor(app_.state.image)))
        return Fail("cannot write " + path + ": " + *failure);
    return kept ? 0 : 1;
}

int CliProgram::Write(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"port", "retries", "verify", "backup"}, 1, "exactly one FILE"))
        return 1;
    if (const auto problem = PrepareLink(arguments))
        return Fail(*problem);
    if (!LoadImage(arguments.Plain().front()))
        return 1;
    if (const auto refusal = WriteReadiness::Refusal(app_.state.image, app_.catalog))
        return Fail(PromptText(*refusal, app_.catalog));
    bool kept = true;
    if (Transfer(TransferDialogModel::Direction::Write, arguments, kept))
        return 0;
    return Stopped() ? Interrupted(StopReport(progress_.Step(), true)) : 1;
}

int CliProgram::Info(const CliArguments& arguments)
{
    if (!Accepts(arguments, {"port", "retries"}, 0, "no FILE"))
        return 1;
    if (const auto problem = PrepareLink(arguments))
        return Fail(*problem);
    RadioSession session(link_, prompter_, app_.catalog, &progress_);
    const auto information = RadioInformationQuery(session).Run();
    if (!information)
        return 1;
    // The dialog indents its values; a line of text needs no indent.
    const auto trimmed = [](const std::string& text) { return text.substr(std::min(text.find_first_not_of(' '), text.size())); };
    Line(Text(RadioInformation::kModelLabelId), trimmed(information->ModelText()));
    Line(Text(RadioInformation::kFrequencyLabelId), trimmed(information->FrequencyText(app_.catalog)));
    Line(Text(RadioInformation::kSerialNumberLabelId), trimmed(information->SerialNumberText()));
    Line(Text(RadioInformation::kVersionLabelId), trimmed(information->VersionText()));
    return 0;
}

std::string CliProgram::Text(int id) const
{
    return app_.catalog.MessageText(id, 1);
}

void CliProgram::Line(const std::string& label, const std::string& value)
{
    std::string trimmed = label;
    while (!trimmed.empty() && (trimmed.back() == ':' || trimmed.back() == ' '))
        trimmed.pop_back();
    out_ << trimmed << ": " << value << '\n';
}

void CliProgram::ShowChannels()
{
    const bool parlane = app_.state.IsParlane();
    const auto& columns = GridColumns(parlane);
    out_ << '\n' << std::left << std::setw(8) << Text(kChannelHeaderId);
    for (const auto& column : columns)
        out_ << " | " << Text(column.headerId);
    out_ << '\n';
    const int count = app_.state.SlotCount();
    for (int slot = 0; slot < count; ++slot) {
        if (!app_.channels.IsProgrammed(slot))
            continue;
        out_ << std::left << std::setw(8) << GridRowLabel(slot, count);
        for (const auto& column : columns)
            out_ << " | " << GridCellText(app_.channels, app_.codec, app_.catalog, slot, column.field);
        out_ << '\n';
    }
    out_ << '\n';
}

void CliProgram::ShowTestFrequencies()
{
    const ImageReader image = app_.state.Reader();
    for (int entry = 0; entry < testfreq::kEntryCount; ++entry) {
        const std::size_t base = testfreq::EntryOf(entry).offset;
        const std::string first = FrequencyCodec::FormatFrequency(image.Data(testfreq::entry::kReceiveFrequency.At(base)));
        const std::string second = FrequencyCodec::FormatFrequency(image.Data(testfreq::entry::kTransmitFrequency.At(base)));
        if (first.empty() && second.empty())
            continue;
        Line(Text(kTestFrequencyId) + " " + std::to_string(entry + 1), first + " / " + second);
    }
}

void CliProgram::ShowEmbeddedMessage()
{
    const auto bytes = datafile::Build(app_.state.image, datafile::MagicFor(app_.state.image));
    const auto preview = datafile::PreviewMessage(bytes);
    // The file may hold any bytes there.
    Line(Text(kEmbeddedMessageId), preview.first.empty() && preview.second.empty()
                                       ? ""
                                       : PrintableText(preview.first) + " / " + PrintableText(preview.second));
}

} // namespace qtr::cli
