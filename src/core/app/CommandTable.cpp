#include "core/app/CommandTable.h"

#include "core/app/CommandIds.h"
#include "core/app/FleetWindowMessages.h"

#include <algorithm>

namespace qtr {

const std::vector<CommandInfo>& CommandTable()
{
    using namespace command;
    static const std::vector<CommandInfo> table{
        {kNew, 3002003, "Ctrl+N", true},
        {kOpen, 3002005, "Ctrl+O", true},
        {kSave, 3002007, "Ctrl+S", true},
        {kSaveAs, 3002009, "", true},
        {kPrint, 3002011, "Ctrl+P", false},
        {kPrintPreview, 3420001, "", false},
        {kExportChannels, 3900802, "", false},
        {kImportChannels, 3900803, "", false},
        {kCompareWithFile, 3900804, "", false},
        {kExportPdf, 3900700, "", false},
        {kExit, 3002013, "", true},
        {kUndo, 3900800, "Ctrl+Z", false},
        {kRedo, 3900801, "Ctrl+Y", false, "Ctrl+Shift+Z"},
        {kModelInformation, 3002017, "", true},
        {kChannelInformation, 3310025, "", false},
        {kOptionalFeatures, 3002021, "", false},
        {kKeyAssignment, 3002023, "", false},
        {kScanInformation, 3002025, "", false},
        {kDtmf, 3002027, "", false},
        {kVantalink, 3310027, "", false},
        {kTestFrequency, 3002031, "", false},
        {kEmbeddedMessage, 3420186, "", false},
        {kReadFromRadio, 3002037, "Ctrl+R", false},
        {kWriteToRadio, 3002039, "Ctrl+W", false},
        {kTestMode, 3002041, "Ctrl+T", false},
        {kMemoryMap, 3002043, "Ctrl+M", false},
        {kFleetProgramming, fleetwindowmsg::kMenuText, "", false},
        {kRadioInformation, 3002057, "", false},
        {kCommunicationPort, 3002047, "", false},
        {kVerifyAfterWrite, 3900757, "", false},
        {kBackupBeforeWrite, 3900758, "", false},
        // Not in any menu: the shortcut is the way to it.
        {kLanguageFileSetup, 0, "Ctrl+L", true},
        {kTreeView, 3420017, "", false},
        {kToolbar, 3420019, "", true},
        {kStatusBar, 3420021, "", true},
        {kCascade, 3420023, "", true},
        {kTileHorizontally, 3420025, "", true},
        {kTileVertically, 3420027, "", true},
        {kArrangeIcons, 3420029, "", true},
        {kCloseAllWindows, 3420031, "", true},
        {kHelpTopics, 3002051, "", true},
        {kAbout, 3002053, "", true},
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
        {kNew, 3380027},         {kOpen, 3380029},         {kSave, 3380031}, {0, 0},
        {kReadFromRadio, 3380035}, {kWriteToRadio, 3380037}, {0, 0},          {kPrint, 3380033},
        {0, 0},                  {kAbout, 3380051},
    };
    return buttons;
}

} // namespace qtr
