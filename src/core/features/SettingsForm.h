#pragma once

#include "core/features/FormDescription.h"

#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;
class RadioState;

namespace form {

// What the window does after a commit: write `text` back into an edit field, and refresh
// the rows listed (the row itself first) and whatever `effects` name. A refused commit
// names its message (the field shows the stored value again and keeps the focus); a
// commit may hand the focus to another row.
struct CommitResult {
    FieldText text;
    std::vector<int> refreshRows;
    Effects effects = kNoEffect;
    int refusalMessage = 0;
    int focusRow = -1;
};

// A form description bound to the radio: what every row shows, whether it is enabled and
// shown, and what a commit, a list choice, a click or a spin step stores. Every commit
// tells the windows through the image's notices, its effects included. The window builds
// one control per row and asks this object for everything else.
class SettingsForm {
public:
    static constexpr int kNoEntry = -1;

    SettingsForm(RadioState& state, const MessageCatalog& catalog, FormDescription description);

    const FormDescription& Description() const { return description_; }
    int RowCount() const { return static_cast<int>(description_.rows.size()); }
    const FormRow& Row(int row) const { return description_.rows.at(static_cast<std::size_t>(row)); }

    // Edits: the text of the stored value.
    FieldText Text(int row) const;
    // Lists: the entries and the position of the stored value's entry (kNoEntry if none).
    std::vector<ListEntry> Entries(int row) const;
    int SelectedEntry(int row) const;
    bool Checked(int row) const;
    bool Enabled(int row) const;
    bool Visible(int row) const;
    // A list's help may follow the entry at `position`.
    int HelpTopic(int row, int position = kNoEntry) const;

    // A commit is announced even when it stored nothing.
    CommitResult CommitText(int row, const std::string& text);
    CommitResult CommitEntry(int row, int position);
    CommitResult CommitCheck(int row, bool checked);
    // One spin step up (direction > 0) or down; `typedText` is the edit's current text.
    CommitResult Spin(int row, int direction, const std::string& typedText);

    // The texts as the window shows them.
    std::string Resolve(const FieldText& text) const;
    std::string EntryText(const ListEntry& entry) const;

    // Tells the windows what a change did: the channel windows and the Scan window hear the
    // effects that concern them, then every window and the edit history hear of the edit.
    void Announce(Effects effects) const;

private:
    Effects StoreText(int row, const std::string& text);
    CommitResult Committed(int row, Effects effects) const;
    CommitResult Result(int row, Effects effects) const;
    Effects StoreCode(int row, unsigned code);

    RadioState& state_;
    const MessageCatalog& catalog_;
    FormDescription description_;
};

// The next stored value of a spin step, wrapping round at both ends; from a value outside
// the range a step up gives the lowest value and a step down the highest.
int SpinWrapped(int value, int direction, const SpinRange& range);
// The number a digits field holds; an empty field is 0 and a huge one stays huge.
long long TypedNumber(const std::string& text);

} // namespace form
} // namespace qtr
