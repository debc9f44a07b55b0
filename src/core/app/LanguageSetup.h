#pragma once

#include <optional>
#include <vector>

namespace qtr {

class Workspace;

// The rules of the Language File Setup dialog: English and Spanish to choose from, and
// what OK does to the texts, the menus, the help file and the open windows.
class LanguageSetup {
public:
    enum class Outcome { Closed, StayOpen };

    explicit LanguageSetup(Workspace& app);

    // Message identifiers of the list entries, for languages 1 and 2.
    static const std::vector<int>& Entries();
    // The row of the current language; none for a language the list does not offer.
    std::optional<int> SelectedRow() const;
    Outcome Ok(std::optional<int> row);

private:
    Workspace& app_;
};

} // namespace qtr
