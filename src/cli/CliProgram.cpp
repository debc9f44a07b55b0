#include "cli/CliProgram.h"

#include "cli/Verb.h"
#include "core/base/ProgramVersion.h"

#include <algorithm>
#include <ostream>

namespace qtr::cli {

namespace {

// The help's lines after those of the verbs.
constexpr const char* kUsageEnd =
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

const Verb* FindVerb(const std::string& name)
{
    const auto& table = VerbTable();
    const auto verb = std::find_if(table.begin(), table.end(), [&](const Verb& row) { return row.name == name; });
    return verb == table.end() ? nullptr : &*verb;
}

} // namespace

CliProgram::CliProgram(const std::string& programFolder, std::ostream& out, std::ostream& err, std::istream& in)
    : programFolder_(programFolder), context_(out, err, in)
{
}

int CliProgram::Run(const std::vector<std::string>& words)
{
    std::string error;
    const auto arguments = CliArguments::Parse(words, error);
    if (!arguments)
        return context_.Fail(error);
    if (arguments->Flag("version")) {
        context_.Out() << VersionLine("qtr31x-cli") << '\n';
        return 0;
    }
    if (arguments->Verb().empty() || arguments->Verb() == "help" || arguments->Flag("help"))
        return Usage(arguments->Verb().empty() && !arguments->Flag("help") ? context_.Err() : context_.Out());
    const Verb* verb = FindVerb(arguments->Verb());
    if (!LoadTexts())
        return verb != nullptr ? verb->failureStatus : 1;
    if (verb == nullptr)
        return context_.Fail("unknown command \"" + arguments->Verb() + "\" (try qtr31x-cli --help)");
    const int status = verb->run(context_, *arguments);
    return context_.Stopped() ? context_.StopStatus() : status;
}

int CliProgram::Usage(std::ostream& stream) const
{
    stream << "Usage:\n";
    for (const Verb& verb : VerbTable())
        stream << verb.usage;
    stream << kUsageEnd;
    return &stream == &context_.Err() ? 2 : 0;
}

bool CliProgram::LoadTexts()
{
    MessageCatalog& catalog = context_.App().catalog;
    catalog.SetFolder(programFolder_);
    auto ids = MessageCatalog::ProgramMessages();
    const int result = catalog.LoadLanguage(ids, MessageCatalog::kEnglish);
    if (result == MessageCatalog::kLoaded)
        return true;
    const std::string path = programFolder_ + "/" + MessageCatalog::LanguageFileName(MessageCatalog::kEnglish);
    context_.Fail(result == MessageCatalog::kCannotOpen ? "cannot read the language file " + path
                                                        : "the language file " + path + " is damaged");
    return false;
}

} // namespace qtr::cli
