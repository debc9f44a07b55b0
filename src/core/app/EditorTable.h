#pragma once

#include <cstdint>
#include <vector>

namespace qtr {

// One editor window: the command that opens it, its window title, its help topic, the
// models that offer it and its group in the Edit menu and the tree view. The menus, the
// window registry, the help lookup and the tree view all read this table.
struct EditorInfo {
    enum class Models { All, LmrOnly };
    static constexpr int kNotListed = -1; // opened from another editor only

    int commandId;
    int titleId;
    int helpTopic;
    Models models = Models::All;
    int menuGroup = kNotListed;

    bool OfferedFor(std::uint8_t lineLetter) const;
};

const std::vector<EditorInfo>& EditorTable();
// Nothing for a command that opens no editor.
const EditorInfo* FindEditor(int commandId);
// The row of a command that opens an editor: an editor window's title and help topic.
const EditorInfo& EditorOf(int commandId);
// The editors the Edit menu and the tree view list for the model line, in order.
std::vector<EditorInfo> ListedEditors(std::uint8_t lineLetter);

} // namespace qtr
