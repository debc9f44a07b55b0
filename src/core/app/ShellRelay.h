#pragma once

#include "core/base/ShellHooks.h"

namespace qtr {

// Passes the hooks on to the shell once it exists: the program's state is made before
// the main window that implements the hooks, and events before then need nothing.
class ShellRelay : public ShellHooks {
public:
    void SetTarget(ShellHooks* target) { target_ = target; }

    void CloseAllEditors() override;
    void RefreshTitle() override;
    void RebuildMenus() override;
    void PostChannelInformation() override;
    void CloseHelpWindows() override;
    void ForgetTestFrequencyChanges() override;

private:
    void Forward(void (ShellHooks::*hook)());

    ShellHooks* target_ = nullptr;
};

} // namespace qtr
