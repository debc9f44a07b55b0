#include "core/app/CommandTable.h"

#include "core/app/CommandIds.h"
#include "core/base/messages/FleetWindow.h"
#include "core/base/messages/Menu.h"

#include <algorithm>

namespace qtr {

const std::vector<CommandInfo>& CommandTable()
{
    using namespace command;
    static const std::vector<CommandInfo> table{
        {kNew, messages::menu::kNew, "Ctrl+N", true},
        {kOpen, messages::menu::kOpen, "Ctrl+O", true},
        {kSave, messages::menu::kSave, "Ctrl+S", true},
        {kSaveAs, messages::menu::kSaveAs, "", true},
        {kPrint, messages::menu::kPrint, "Ctrl+P", false},
        {kPrintPreview, messages::menu::kPrintPreview, "", false},
        {kExportChannels, messages::menu::kExportChannels, "", false},
        {kImportChannels, messages::menu::kImportChannels, "", false},
        {kCompareWithFile, messages::menu::kCompareWithFile, "", false},
        {kExportPdf, messages::menu::kExportPdf, "", false},
        {kExit, messages::menu::kExit, "", true},
        {kUndo, messages::menu::kUndo, "Ctrl+Z", false},
        {kRedo, messages::menu::kRedo, "Ctrl+Y", false, "Ctrl+Shift+Z"},
        {kModelInformation, messages::menu::kModelInformation, "", true},
        {kChannelInformation, messages::menu::kChannelInformation, "", false},
        {kOptionalFeatures, messages::menu::kOptionalFeatures, "", false},
        {kKeyAssignment, messages::menu::kKeyAssignment, "", false},
        {kScanInformation, messages::menu::kScanInformation, "", false},
        {kDtmf, messages::menu::kDtmf, "", false},
        {kVantalink, messages::menu::kVantalink, "", false},
        {kTestFrequency, messages::menu::kTestFrequency, "", false},
        {kEmbeddedMessage, messages::menu::kEmbeddedMessage, "", false},
        {kReadFromRadio, messages::menu::kReadFromRadio, "Ctrl+R", false},
        {kWriteToRadio, messages::menu::kWriteToRadio, "Ctrl+W", false},
        {kTestMode, messages::menu::kTestMode, "Ctrl+T", false},
        {kMemoryMap, messages::menu::kMemoryMap, "Ctrl+M", false},
        {kFleetProgramming, messages::fleetwindow::kMenuText, "", false},
        {kRadioInformation, messages::menu::kRadioInformation, "", false},
        {kCommunicationPort, messages::menu::kCommunicationPort, "", false},
        {kVerifyAfterWrite, messages::menu::kVerifyAfterWrite, "", false},
        {kBackupBeforeWrite, messages::menu::kBackupBeforeWrite, "", false},
        // Not in any menu: the shortcut is the way to it.
        {kLanguageFileSetup, 0, "Ctrl+L", true},
        {kTreeView, messages::menu::kTreeView, "", false},
        {kToolbar, messages::menu::kToolbar, "", true},
        {kStatusBar, messages::menu::kStatusBar, "", true},
        {kCascade, messages::menu::kCascade, "", true},
        {kTileHorizontally, messages::menu::kTileHorizontally, "", true},
        {kTileVertically, messages::menu::kTileVertically, "", true},
        {kArrangeIcons, messages::menu::kArrangeIcons, "", true},
        {kCloseAllWindows, messages::menu::kCloseAllWindows, "", true},
        {kHelpTopics, messages::menu::kHelpTopics, "", true},
        {kAbout, messages::menu::kAbout, "", true},
        {kChannelEdit, 0, "", false},
    };
    return table;
}

const CommandInfo* FindCommand(int commandId)
{
    const auto& table = CommandTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& info) { return info.id == commandId; });
    return found == table.end() ? nullptr : &*found;
}

bool CommandAvailable(int commandId, const std::set<int>& registeredCommands)
{
    const CommandInfo* info = FindCommand(commandId);
    return info && (info->shellCommand || registeredCommands.contains(commandId));
}

bool IsCommandShortcut(const std::string& keys)
{
    const auto& table = CommandTable();
    return !keys.empty() &&
           std::any_of(table.begin(), table.end(), [&](const CommandInfo& info) { return keys == info.shortcut || keys == info.otherShortcut; });
}

bool CommitsTypedValue(int commandId)
{
    using namespace command;
    return commandId == kSave || commandId == kSaveAs || commandId == kWriteToRadio || commandId == kNew ||
           commandId == kOpen || commandId == kMemoryMap || commandId == kUndo || commandId == kRedo ||
           commandId == kExportChannels || commandId == kImportChannels || commandId == kCompareWithFile ||
           commandId == kPrint || commandId == kPrintPreview || commandId == kExportPdf;
}

const std::vector<ToolbarButton>& ToolbarButtons()
{
    using namespace command;
    static const std::vector<ToolbarButton> buttons{
        {kNew, messages::menu::kNewButton},
        {kOpen, messages::menu::kOpenButton},
        {kSave, messages::menu::kSaveButton},
        {0, 0},
        {kReadFromRadio, messages::menu::kReadButton},
        {kWriteToRadio, messages::menu::kWriteButton},
        {0, 0},
        {kPrint, messages::menu::kPrintButton},
        {0, 0},
        {kAbout, messages::menu::kAboutButton},
    };
    return buttons;
}

} // namespace qtr
