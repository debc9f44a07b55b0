#include "core/app/LanguageSetup.h"

#include "core/app/Workspace.h"
#include "core/base/messages/App.h"

namespace qtr {

LanguageSetup::LanguageSetup(Workspace& app) : app_(app) {}

const std::vector<int>& LanguageSetup::Entries()
{
    static const std::vector<int> entries{messages::app::kEnglish, messages::app::kSpanish};
    return entries;
}

std::optional<int> LanguageSetup::SelectedRow() const
{
    const int row = app_.language - 1;
    if (row < 0 || row >= static_cast<int>(Entries().size()))
        return std::nullopt;
    return row;
}

LanguageSetup::Outcome LanguageSetup::Ok(std::optional<int> row)
{
    if (!row || *row < 0 || *row >= static_cast<int>(Entries().size()))
        return Outcome::StayOpen;
    const int previous = app_.language;
    app_.language = *row + 1;
    if (app_.ReloadLanguage() != MessageCatalog::kLoaded) {
        // The failure has been shown; the previous texts are still loaded, so the program
        // goes on in the previous language rather than ending with unsaved work, and a
        // broken language is not saved for the next start.
        app_.language = previous;
        return Outcome::Closed;
    }
    // The image stays; the windows that show it are made again in the new language.
    app_.replacement.ReplaceImage(
        {.reason = ImageReason::LanguageChange, .markSaved = false, .help = HelpFileChange::FollowLanguage});
    return Outcome::Closed;
}

} // namespace qtr
