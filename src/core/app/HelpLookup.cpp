#include "core/app/HelpLookup.h"

#include "core/app/CommandIds.h"
#include "core/base/HelpFile.h"

#include <filesystem>
#include <map>

namespace qtr {

namespace {

bool Exists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

HelpPage MissingFolder(const HelpFile& help)
{
    return {HelpPage::Kind::MissingHelpFile, help.PageFolder()};
}

// The topic's page when there is one, otherwise the default page.
HelpPage PageOrDefault(const HelpFile& help, int topic)
{
    const std::string page = help.TopicPage(topic);
    return {HelpPage::Kind::Page, Exists(page) ? page : help.DefaultPage()};
}

} // namespace

std::optional<int> FallbackHelpTopic(int id)
{
    using namespace command;
    static const std::map<int, int> fallbacks{
        {kMemoryMap, 0},         {kPrint, 32900},    {kPrintPreview, 32901},     {kArrangeIcons, 32907},
        {kCascade, 32904},       {kTileHorizontally, 32905}, {kTileVertically, 32906}, {kHelpTopics, 32908},
        {kToolbar, 32902},       {kStatusBar, 32903},
    };
    if (id == kAbout)
        return std::nullopt;
    if (id >= kFirstWindowListEntry && id <= kLastWindowListEntry)
        return 32910;
    const auto found = fallbacks.find(id);
    return found == fallbacks.end() ? kMainFrame : found->second;
}

HelpPage PageForTopic(const HelpFile& help, int topic)
{
    const auto pages = help.WithPages();
    if (!pages)
        return MissingFolder(help);
    return PageOrDefault(*pages, topic);
}

HelpPage PageForContext(const HelpFile& help, int id)
{
    const auto pages = help.WithPages();
    if (!pages)
        return MissingFolder(help);
    const std::string own = pages->TopicPage(id);
    if (Exists(own))
        return {HelpPage::Kind::Page, own};
    const std::optional<int> fallback = FallbackHelpTopic(id);
    if (!fallback)
        return {HelpPage::Kind::NoHelp, {}};
    return PageOrDefault(*pages, *fallback);
}

HelpPage DefaultPage(const HelpFile& help)
{
    const auto pages = help.WithPages();
    if (!pages)
        return MissingFolder(help);
    return {HelpPage::Kind::Page, pages->DefaultPage()};
}

std::string MissingHelpFileText(const std::string& path)
{
    return "Html Help File Does Not Exist\n\n   File Path [ " + path + " ]";
}

} // namespace qtr
