#pragma once

#include "core/model/ImageField.h"
#include "core/model/InputFilter.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace qtr {

class RadioState;

namespace form {

enum class ControlKind { Edit, EditSpin, List, CheckBox, GroupBox };

// A text shown in a control: a message of the catalogue, or a text of its own.
struct FieldText {
    int messageId = 0; // 0: `text` as it is
    std::string text;

    static FieldText Message(int id) { return {id, {}}; }
    static FieldText Plain(std::string text) { return {0, std::move(text)}; }
    bool operator==(const FieldText&) const = default;
};

// One entry of a drop-down list: its text is `prefix` followed by the message (when
// there is one), and choosing it stores `code`.
struct ListEntry {
    std::string prefix;
    int messageId = 0;
    unsigned code = 0;
    bool operator==(const ListEntry&) const = default;
};

// What a typed character may be, and how many a field takes.
struct InputLimit {
    std::size_t maxLength = 0; // 0: the control takes no typing
    InputClass inputClass = InputClass::Digits;
};

// Stored values a spin button steps through, by `step`, wrapping round at both ends.
struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    int step = 1;
};

// What a commit did beyond the row's own field, for the windows that show it.
enum Effect : unsigned {
    kNoEffect = 0,
    kChannelRecordsChanged = 1 << 0, // channel records (and their lists) changed: grid and channel form
    kChannelFormRefresh = 1 << 1,    // the channel form shows a radio-wide value (priority channel)
    kScanMustRebuild = 1 << 2,       // the open Scan window rebuilds itself from the image
    kListsChanged = 1 << 3,          // the entries of the form's own lists changed
    kRefused = 1 << 4,               // nothing stored: the row's refusal message is shown
    kFocusMoves = 1 << 5,            // the row's `focusAfter` row takes the focus
};
using Effects = unsigned;

using Display = std::function<FieldText(const RadioState&)>;
using TextCommit = std::function<Effects(RadioState&, const std::string&)>;
using Entries = std::function<std::vector<ListEntry>(const RadioState&)>;
using CodeCommit = std::function<Effects(RadioState&, unsigned)>;
using StateRule = std::function<bool(const RadioState&)>;
using EntryHelpTopic = std::function<int(const ListEntry*)>;
using StoredCode = std::function<unsigned(const RadioState&)>;
using SpinCommit = std::function<Effects(RadioState&, int direction)>;

// A key that puts the text of a message into an edit field, as if it had been typed.
struct KeyText {
    char key = 0; // 0: none; a letter is taken in either case
    int messageId = 0;
};

// One row of a settings form: a label and the control that edits one image field.
// Empty rules take the plain behaviour: the field as stored, always enabled and shown.
struct FormRow {
    int labelMessage = 0;
    std::string labelText; // a label the language file does not translate
    ControlKind kind = ControlKind::Edit;
    ImageField field{};  // the stored value of edits with spin, lists and check boxes
    ImageRange bytes{};  // every byte the row writes
    int helpTopic = 0;   // 0: the editor's own topic
    InputLimit limit;
    SpinRange spin;
    bool commitTextBeforeSpin = false; // a spin step starts from the typed text
    bool commitWhenLeft = false;       // lists: the choice is stored when the list loses the focus
    Display display;        // edits: the text of the stored value
    TextCommit commitText;  // edits: stores a typed text
    Entries entries;        // lists
    CodeCommit commitCode;  // lists and check boxes; empty: store the code in `field`
    StateRule checked;      // check boxes: empty means a non-zero value
    StateRule enabled;
    StateRule visible;      // the model layout
    EntryHelpTopic entryHelpTopic; // lists whose help follows the chosen entry
    std::vector<int> affects;      // other rows whose value or enable state a commit may change
    int page = 0;                  // the tab page of a form that has pages
    bool codeField = false;        // a code, shown in the program's fixed-pitch font
    int refusalMessage = 0;        // shown when a commit refuses the typed text
    int focusAfter = -1;           // the row a commit with kFocusMoves hands the focus to
    KeyText keyText;
    StoredCode shownCode;          // lists: the code whose entry is shown; empty: the stored value
    SpinCommit spinStep;           // empty: the stored value steps through `spin`
};

} // namespace form
} // namespace qtr
