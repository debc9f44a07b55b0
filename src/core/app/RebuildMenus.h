#pragma once

#include <cstdint>
#include <vector>

namespace qtr {

struct MenuItem {
    enum class Kind { Command, Separator, WindowList };
    Kind kind = Kind::Command;
    int commandId = 0;
    int messageId = 0;
    bool checkable = false;
    bool checked = false;
};

struct Menu {
    int titleId;
    std::vector<MenuItem> items;
};

// What the menu bar depends on.
struct MenuContext {
    std::uint8_t lineLetter = 'B';
    bool childWindowsOpen = false;
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    bool verifyAfterWrite = false;
    bool backupBeforeWrite = false;
};

// The menu bar for the model line and the open windows, top-level menus in order.
// Parlane models have no DTMF and Vantalink, the Window menu exists only while child
// windows are open, and Language File Setup is never in the Setup menu. Whether an
// item can be chosen is CommandAvailable's answer.
std::vector<Menu> RebuildMenus(const MenuContext& context);

} // namespace qtr
