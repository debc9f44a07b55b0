#include "core/app/RebuildMenus.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/EditorTable.h"
#include "core/base/messages/Menu.h"

#include <initializer_list>

namespace qtr {

namespace {

constexpr int kSeparator = 0;

std::vector<MenuItem> Items(std::initializer_list<int> commandIds)
{
    std::vector<MenuItem> items;
    for (const int id : commandIds) {
        if (id == kSeparator) {
            items.push_back({.kind = MenuItem::Kind::Separator});
            continue;
        }
        items.push_back({.commandId = id, .messageId = FindCommand(id)->menuTextId});
    }
    return items;
}

// The editors the model offers, a separator between groups.
std::vector<MenuItem> EditItems(const MenuContext& context)
{
    std::vector<MenuItem> items;
    int group = EditorInfo::kNotListed;
    for (const EditorInfo& editor : ListedEditors(context.lineLetter)) {
        if (group != EditorInfo::kNotListed && editor.menuGroup != group)
            items.push_back({.kind = MenuItem::Kind::Separator});
        group = editor.menuGroup;
        items.push_back({.commandId = editor.commandId, .messageId = FindCommand(editor.commandId)->menuTextId});
    }
    return items;
}

// Undo and Redo above the editors.
std::vector<MenuItem> HistoryItems(const MenuContext& context)
{
    auto items = Items({command::kUndo, command::kRedo, kSeparator});
    const auto editors = EditItems(context);
    items.insert(items.end(), editors.begin(), editors.end());
    return items;
}

std::vector<MenuItem> ViewItems(const MenuContext& context)
{
    using namespace command;
    auto items = Items({kTreeView, kSeparator, kToolbar, kStatusBar});
    for (auto& item : items) {
        item.checkable = item.commandId == kToolbar || item.commandId == kStatusBar;
        item.checked = (item.commandId == kToolbar && context.toolbarVisible) ||
                       (item.commandId == kStatusBar && context.statusBarVisible);
    }
    return items;
}

std::vector<MenuItem> SetupItems(const MenuContext& context)
{
    using namespace command;
    auto items = Items({kCommunicationPort, kSeparator, kVerifyAfterWrite, kBackupBeforeWrite});
    for (auto& item : items) {
        item.checkable = item.commandId == kVerifyAfterWrite || item.commandId == kBackupBeforeWrite;
        item.checked = (item.commandId == kVerifyAfterWrite && context.verifyAfterWrite) ||
                       (item.commandId == kBackupBeforeWrite && context.backupBeforeWrite);
    }
    return items;
}

std::vector<MenuItem> WindowItems()
{
    using namespace command;
    auto items = Items({kCascade, kTileHorizontally, kTileVertically, kArrangeIcons, kCloseAllWindows, kSeparator});
    items.push_back({.kind = MenuItem::Kind::WindowList});
    return items;
}

} // namespace

std::vector<Menu> RebuildMenus(const MenuContext& context)
{
    using namespace command;
    std::vector<Menu> menus{
        {messages::menu::kFile,
         Items({kNew, kOpen, kSave, kSaveAs, kSeparator, kExportChannels, kImportChannels, kCompareWithFile, kSeparator,
                kPrint, kPrintPreview, kExportPdf, kSeparator, kExit})},
        {messages::menu::kModel, Items({kModelInformation})},
        {messages::menu::kEdit, HistoryItems(context)},
        {messages::menu::kProgram, Items({kReadFromRadio, kWriteToRadio, kTestMode, kMemoryMap, kSeparator, kFleetProgramming})},
        {messages::menu::kTools, Items({kRadioInformation})},
        {messages::menu::kSetup, SetupItems(context)},
        {messages::menu::kView, ViewItems(context)},
    };
    if (context.childWindowsOpen)
        menus.push_back({messages::menu::kWindow, WindowItems()});
    menus.push_back({messages::menu::kHelp, Items({kHelpTopics, kSeparator, kAbout})});
    return menus;
}

} // namespace qtr
