#include "core/app/RebuildMenus.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/base/messages/Menu.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qtr {
namespace {

std::vector<int> TitlesOf(const std::vector<Menu>& menus)
{
    std::vector<int> titles;
    for (const auto& menu : menus)
        titles.push_back(menu.titleId);
    return titles;
}

// Command ids of a menu, 0 for a separator and -1 for the window list.
std::vector<int> IdsOf(const std::vector<Menu>& menus, int titleId)
{
    const auto menu = std::find_if(menus.begin(), menus.end(), [&](const Menu& m) { return m.titleId == titleId; });
    std::vector<int> ids;
    for (const auto& item : menu->items)
        ids.push_back(item.kind == MenuItem::Kind::WindowList ? -1 : item.commandId);
    return ids;
}

const MenuItem& ItemOf(const std::vector<Menu>& menus, int commandId)
{
    for (const auto& menu : menus)
        for (const auto& item : menu.items)
            if (item.kind == MenuItem::Kind::Command && item.commandId == commandId)
                return item;
    throw std::out_of_range("no such item");
}

TEST(RebuildMenusTest, TheWindowMenuExistsOnlyWhileChildWindowsAreOpen)
{
    EXPECT_EQ(TitlesOf(RebuildMenus({})),
              (std::vector<int>{messages::menu::kFile, messages::menu::kModel, messages::menu::kEdit,
                                messages::menu::kProgram, messages::menu::kTools, messages::menu::kSetup,
                                messages::menu::kView, messages::menu::kHelp}));
    const auto menus = RebuildMenus({.childWindowsOpen = true});
    EXPECT_EQ(TitlesOf(menus),
              (std::vector<int>{messages::menu::kFile, messages::menu::kModel, messages::menu::kEdit,
                                messages::menu::kProgram, messages::menu::kTools, messages::menu::kSetup,
                                messages::menu::kView, messages::menu::kWindow, messages::menu::kHelp}));
    EXPECT_EQ(IdsOf(menus, messages::menu::kWindow), (std::vector<int>{57650, 57651, 57652, 57649, 32779, 0, -1}));
}

TEST(RebuildMenusTest, ParlaneModelsLoseDtmfAndVantalinkWithTheirSeparator)
{
    EXPECT_EQ(IdsOf(RebuildMenus({.lineLetter = 'L'}), messages::menu::kEdit),
              (std::vector<int>{57643, 57644, 0, 32780, 0, 32781, 32782, 32783, 0, 32784, 32785, 0, 32786, 32787}));
    EXPECT_EQ(IdsOf(RebuildMenus({.lineLetter = 'B'}), messages::menu::kEdit),
              (std::vector<int>{57643, 57644, 0, 32780, 0, 32781, 32782, 32783, 0, 32786, 32787}));
}

TEST(RebuildMenusTest, FileOffersTheChannelListAndComparingAndProgramTheFleetBesideTheUsualCommands)
{
    EXPECT_EQ(IdsOf(RebuildMenus({}), messages::menu::kFile),
              (std::vector<int>{32788, 32789, 32790, 32791, 0, 33000, 33001, 33002, 0, 57607, 57609, 33010, 0, 32792}));
    EXPECT_EQ(IdsOf(RebuildMenus({}), messages::menu::kProgram), (std::vector<int>{32772, 32773, 32774, 32775, 0, 33030}));
}

TEST(RebuildMenusTest, SetupHoldsCommunicationPortAndTheWriteGuardsAndHelpHasTopicsAndAbout)
{
    for (const bool children : {false, true}) {
        const auto menus = RebuildMenus({.childWindowsOpen = children});
        EXPECT_EQ(IdsOf(menus, messages::menu::kSetup), (std::vector<int>{32777, 0, 33020, 33021}));
        EXPECT_EQ(IdsOf(menus, messages::menu::kHelp), (std::vector<int>{57667, 0, 57664}));
        for (const auto& menu : menus)
            for (const auto& item : menu.items)
                EXPECT_NE(item.commandId, command::kLanguageFileSetup);
    }
}

TEST(RebuildMenusTest, TheWriteGuardsAreCheckedAsTheOptionsStand)
{
    const auto checks = [](const MenuContext& context) {
        std::vector<bool> checked;
        for (const auto& menu : RebuildMenus(context))
            for (const auto& item : menu.items)
                if (item.commandId == command::kVerifyAfterWrite || item.commandId == command::kBackupBeforeWrite)
                    checked.push_back(item.checkable && item.checked);
        return checked;
    };
    EXPECT_EQ(checks({}), (std::vector<bool>{false, false}));
    EXPECT_EQ(checks({.verifyAfterWrite = true}), (std::vector<bool>{true, false}));
    EXPECT_EQ(checks({.backupBeforeWrite = true}), (std::vector<bool>{false, true}));
}

TEST(RebuildMenusTest, ItemsCarryTheirMessagesAndWindowsCanBeChosenOnlyOnceRegistered)
{
    const auto menus = RebuildMenus({});
    EXPECT_EQ(ItemOf(menus, command::kReadFromRadio).messageId, messages::menu::kReadFromRadio);
    EXPECT_EQ(ItemOf(menus, command::kEmbeddedMessage).messageId, messages::menu::kEmbeddedMessage);
    const std::set<int> registered{command::kOptionalFeatures};
    EXPECT_TRUE(CommandAvailable(command::kNew, registered));
    EXPECT_TRUE(CommandAvailable(command::kModelInformation, registered));
    EXPECT_TRUE(CommandAvailable(command::kLanguageFileSetup, registered));
    EXPECT_TRUE(CommandAvailable(command::kOptionalFeatures, registered));
    EXPECT_FALSE(CommandAvailable(command::kChannelInformation, registered));
    EXPECT_FALSE(CommandAvailable(command::kPrint, registered));
    EXPECT_FALSE(CommandAvailable(command::kCommunicationPort, registered));
}

TEST(RebuildMenusTest, ToolbarAndStatusBarAreCheckedWhileVisible)
{
    const auto menus = RebuildMenus({.toolbarVisible = false, .statusBarVisible = true});
    EXPECT_TRUE(ItemOf(menus, command::kToolbar).checkable);
    EXPECT_FALSE(ItemOf(menus, command::kToolbar).checked);
    EXPECT_TRUE(ItemOf(menus, command::kStatusBar).checked);
    EXPECT_FALSE(ItemOf(menus, command::kTreeView).checkable);
}

TEST(CommandTableTest, ShortcutsAreUniqueAndTheToolbarTipsComeFromTheCatalogue)
{
    std::vector<std::string> shortcuts;
    for (const auto& info : CommandTable())
        if (*info.shortcut)
            shortcuts.push_back(info.shortcut);
    std::sort(shortcuts.begin(), shortcuts.end());
    EXPECT_EQ(std::adjacent_find(shortcuts.begin(), shortcuts.end()), shortcuts.end());
    EXPECT_STREQ(FindCommand(command::kReadFromRadio)->shortcut, "Ctrl+R");
    EXPECT_STREQ(FindCommand(command::kMemoryMap)->shortcut, "Ctrl+M");
    EXPECT_TRUE(IsCommandShortcut("Ctrl+Z"));
    EXPECT_TRUE(IsCommandShortcut("Ctrl+Y"));
    EXPECT_TRUE(IsCommandShortcut("Ctrl+Shift+Z"));
    EXPECT_FALSE(IsCommandShortcut(""));
    EXPECT_EQ(FindCommand(12345), nullptr);
    EXPECT_FALSE(CommandAvailable(12345, {12345}));

    std::vector<std::pair<int, int>> tips;
    for (const auto& button : ToolbarButtons())
        if (button.commandId != 0)
            tips.emplace_back(button.commandId, button.tipId);
    EXPECT_EQ(tips,
              (std::vector<std::pair<int, int>>{{32788, messages::menu::kNewButton},
                                                {32789, messages::menu::kOpenButton},
                                                {32790, messages::menu::kSaveButton},
                                                {32772, messages::menu::kReadButton},
                                                {32773, messages::menu::kWriteButton},
                                                {57607, messages::menu::kPrintButton},
                                                {57664, messages::menu::kAboutButton}}));
}

} // namespace
} // namespace qtr
