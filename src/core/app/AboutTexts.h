#pragma once

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;

// The lines of the About dialog.
struct AboutTexts {
    std::string title;
    std::string programName;
    std::string description;
    std::string version;
    std::string release;
    std::vector<std::string> closingLines;
    std::string ok;
};

AboutTexts MakeAboutTexts(const MessageCatalog& catalog);

} // namespace qtr
