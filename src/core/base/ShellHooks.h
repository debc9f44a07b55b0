#pragma once

namespace qtr {

// The steps of the window shell that replacing the image takes, in the order that the
// replacement decides: the desktop program closes and opens windows, the command-line
// tool and the tests need nothing, so every step does nothing by default. Single
// windows hear of the image through the image notices instead.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;
    virtual void CloseAllEditors() {}
    virtual void RefreshTitle() {}
    virtual void RebuildMenus() {}
    virtual void PostChannelInformation() {}
    virtual void CloseHelpWindows() {}
};

} // namespace qtr
