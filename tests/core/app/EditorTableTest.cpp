#include "core/app/EditorTable.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/base/messages/Channels.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

std::vector<int> ListedCommands(std::uint8_t line)
{
    std::vector<int> ids;
    for (const EditorInfo& editor : ListedEditors(line))
        ids.push_back(editor.commandId);
    return ids;
}

TEST(EditorTableTest, ParlaneModelsOfferNoDtmfOrVantalinkAndChannelEditIsNeverListed)
{
    using namespace command;
    EXPECT_EQ(ListedCommands('B'), (std::vector<int>{kChannelInformation, kOptionalFeatures, kKeyAssignment,
                                                     kScanInformation, kTestFrequency, kEmbeddedMessage}));
    EXPECT_EQ(ListedCommands('L'), (std::vector<int>{kChannelInformation, kOptionalFeatures, kKeyAssignment,
                                                     kScanInformation, kDtmf, kVantalink, kTestFrequency,
                                                     kEmbeddedMessage}));
    ASSERT_NE(FindEditor(kChannelEdit), nullptr);
    EXPECT_EQ(FindEditor(kChannelEdit)->helpTopic, 160);
    EXPECT_EQ(FindEditor(kTestFrequency)->titleId, messages::channels::kTestFrequencyTitle);
    EXPECT_EQ(FindEditor(kReadFromRadio), nullptr);
}

// Every editor is a command of the main window, so its menu item and shortcut exist.
TEST(EditorTableTest, EveryEditorIsACommand)
{
    for (const EditorInfo& editor : EditorTable())
        EXPECT_NE(FindCommand(editor.commandId), nullptr) << editor.commandId;
}

} // namespace
} // namespace qtr
