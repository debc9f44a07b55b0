#pragma once

#include <set>
#include <string>
#include <vector>

namespace qtr {

// One command of the main window: its menu text, its keyboard shortcut and whether the
// shell carries it out itself. The other commands open windows that are registered with
// the main window; until then they are shown but cannot be chosen.
struct CommandInfo {
    int id;
    int menuTextId;
    const char* shortcut; // portable key text such as "Ctrl+R"; empty when none
    bool shellCommand;
    const char* otherShortcut = ""; // a second key for the same command
};

const std::vector<CommandInfo>& CommandTable();
// Nothing for an identifier that is not a main-window command.
const CommandInfo* FindCommand(int commandId);
bool CommandAvailable(int commandId, const std::set<int>& registeredCommands);
// Whether the keys (portable text such as "Ctrl+W") are the shortcut of a command, which
// must then reach the main window wherever the focus is.
bool IsCommandShortcut(const std::string& keys);
// Commands that take the image as it is, or ask whether to save it before replacing it
// with another document: a value still being typed into an editor is stored first, since
// menus, toolbar buttons and shortcuts leave the focus where it is. Closing the main window
// does the same. A read from the radio drops such a value instead.
bool CommitsTypedValue(int commandId);

// A toolbar button with its tool tip message; a command of 0 is a gap between groups.
struct ToolbarButton {
    int commandId;
    int tipId;
};
const std::vector<ToolbarButton>& ToolbarButtons();

} // namespace qtr
