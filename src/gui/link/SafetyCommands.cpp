#include "gui/link/SafetyCommands.h"

#include "core/app/CommandIds.h"
#include "core/app/SafetyOptions.h"
#include "core/app/Workspace.h"
#include "gui/widgets/CommandWindow.h"

namespace qtr::gui {

void SafetyCommands::Register(CommandWindow& frame, SettingsStore& settings)
{
    const auto toggle = [&settings](bool SafetyOptions::*option) {
        return [&settings, option](CommandWindow& window) {
            SafetyOptions& safety = window.App().safety;
            safety.*option = !(safety.*option);
            WriteSafetySettings(settings, safety);
            window.RebuildMenus();
        };
    };
    frame.RegisterCommand(command::kVerifyAfterWrite, toggle(&SafetyOptions::verifyAfterWrite));
    frame.RegisterCommand(command::kBackupBeforeWrite, toggle(&SafetyOptions::backupBeforeWrite));
}

} // namespace qtr::gui
