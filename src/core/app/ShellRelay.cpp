#include "core/app/ShellRelay.h"

namespace qtr {

void ShellRelay::Forward(void (ShellHooks::*hook)())
{
    if (target_)
        (target_->*hook)();
}

void ShellRelay::CloseAllEditors() { Forward(&ShellHooks::CloseAllEditors); }
void ShellRelay::RefreshTitle() { Forward(&ShellHooks::RefreshTitle); }
void ShellRelay::RebuildMenus() { Forward(&ShellHooks::RebuildMenus); }
void ShellRelay::PostChannelInformation() { Forward(&ShellHooks::PostChannelInformation); }
void ShellRelay::CloseHelpWindows() { Forward(&ShellHooks::CloseHelpWindows); }
void ShellRelay::ForgetTestFrequencyChanges() { Forward(&ShellHooks::ForgetTestFrequencyChanges); }

} // namespace qtr
