#pragma once

#include <optional>
#include <string>

namespace qtr {

class HelpFile;

// Which page of the help folder answers a help request.
struct HelpPage {
    enum class Kind { Page, NoHelp, MissingHelpFile };
    Kind kind = Kind::NoHelp;
    std::string path; // the page, or the missing help folder
};

// F1's substitute topics for commands that have no page of their own; nothing for About,
// which has no help, and the main window's topic for anything not listed.
std::optional<int> FallbackHelpTopic(int id);

HelpPage PageForTopic(const HelpFile& help, int topic);
HelpPage PageForContext(const HelpFile& help, int id);
HelpPage DefaultPage(const HelpFile& help);

// Shown when the help folder is missing.
std::string MissingHelpFileText(const std::string& path);

} // namespace qtr
