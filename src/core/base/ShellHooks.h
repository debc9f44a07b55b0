#pragma once

namespace qtr {

// What the core asks of the window shell when an event replaces the image or the
// model: the desktop program closes and opens windows, the command-line tool and the
// tests need nothing, so every hook does nothing by default.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    virtual void CloseAllEditors() {}
    virtual void RefreshTitle() {}
    virtual void RebuildMenus() {}
    virtual void PostChannelInformation() {}
    virtual void CloseHelpWindows() {}
    // After a read or a write the image and the radio agree: an open test-frequency window
    // has no change left to remind the user of.
    virtual void ForgetTestFrequencyChanges() {}
};

} // namespace qtr
