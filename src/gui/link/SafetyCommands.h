#pragma once

namespace qtr {
class SettingsStore;
} // namespace qtr

namespace qtr::gui {

class CommandWindow;

// The Setup options that guard Write to Radio: verify after writing and back up the radio
// before writing. A choice is stored in the settings at once.
class SafetyCommands {
public:
    static void Register(CommandWindow& frame, SettingsStore& settings);
};

} // namespace qtr::gui
