#include "core/app/EditHistory.h"

#include "NoFilePicker.h"
#include "ProgramFolder.h"
#include "ScriptedPrompter.h"
#include "core/app/Workspace.h"
#include "core/base/MemorySettingsStore.h"
#include "core/base/ShellHooks.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Menu.h"
#include "core/channels/ChannelCommits.h"
#include "core/model/ImageIdentity.h"
#include "core/model/ModelChoice.h"
#include "core/model/ModelDefaults.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

class EditHistoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(app.Start(store, test::ProgramFolder() + "/qtr31x"), 0);
        app.state.currentModel = *ModelRecordFor(0, 8);
        app.replacement.ReplaceImage({.reason = ImageReason::New, .install = [this] {
                                          app.BuildFirstImage();
                                          BuildImageForNewDocument(app.state);
                                      }});
        heard = app.state.notices.Subscribe([this](const ImageNotice& notice) { notices.push_back(notice); });
    }

    // What a window does when the user commits a value.
    void Commit(const std::string& frequency, int slot = 0)
    {
        commits.StoreFrequency(slot, ChannelField::ReceiveFrequency, frequency, true);
    }

    MemorySettingsStore store;
    test::ScriptedPrompter prompter;
    test::NoFilePicker picker;
    ShellHooks shell;
    Workspace app{prompter, picker, shell};
    ChannelCommits commits{app.channels, app.codec, app.prompter};
    std::vector<ImageNotice> notices;
    ImageNotifier::Subscription heard;
};

TEST_F(EditHistoryTest, EachCommitIsOneNamedStepUndoneAndRedoneByteForByte)
{
    EditHistory& history = app.history;
    EXPECT_FALSE(history.CanUndo());
    const ImageBytes saved = app.state.image;
    Commit("151.5");
    const ImageBytes first = app.state.image;
    Commit("152.5", 2);
    ASSERT_TRUE(history.CanUndo());
    EXPECT_EQ(history.UndoName(), "Channel 3 RX Frequency");

    history.Undo();
    EXPECT_EQ(app.state.image, first);
    EXPECT_EQ(history.UndoName(), "Channel 1 RX Frequency");
    EXPECT_EQ(history.RedoName(), "Channel 3 RX Frequency");
    history.Undo();
    EXPECT_EQ(app.state.image, saved);
    EXPECT_FALSE(app.state.IsModified()); // back at the saved state
    EXPECT_FALSE(history.CanUndo());

    history.Redo();
    history.Redo();
    EXPECT_EQ(app.state.image[16], first[16]);
    EXPECT_TRUE(app.state.IsModified());
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(EditHistoryTest, UndoTellsEveryWindowToShowTheImageAgainWithoutRecordingItself)
{
    Commit("151.5");
    notices.clear();
    app.history.Undo();
    using K = ImageNotice::Kind;
    EXPECT_EQ(notices, (std::vector<ImageNotice>{{K::Changed, ImageReason::ChannelSettingsChanged},
                                                 {K::Changed, ImageReason::ScanLayoutChanged},
                                                 {K::Changed, ImageReason::Restored}}));
    EXPECT_TRUE(app.history.CanRedo());
    EXPECT_FALSE(app.history.CanUndo());
}

TEST_F(EditHistoryTest, CuesAndUnchangedCommitsMakeNoStepAndANewCommitDropsRedo)
{
    app.state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Edited});
    EXPECT_FALSE(app.history.CanUndo());
    std::string typed = "151.5";
    app.channels.SetFrequency(0, ChannelField::ReceiveFrequency, typed); // not announced yet
    app.state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::ScanChannelsMoved});
    EXPECT_FALSE(app.history.CanUndo()); // the commit is not over yet
    app.state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Edited});
    EXPECT_TRUE(app.history.CanUndo());
    app.history.Undo();
    Commit("160");
    EXPECT_FALSE(app.history.CanRedo());
}

TEST_F(EditHistoryTest, NewOpenAndReadStartAFreshHistory)
{
    for (const ImageReason reason : {ImageReason::New, ImageReason::Open, ImageReason::ReadFromRadio}) {
        Commit("151.5");
        app.history.Undo();
        Commit("152.5");
        app.replacement.ReplaceImage({.reason = reason, .install = [this] { ClearChannels(app.state); }});
        EXPECT_FALSE(app.history.CanUndo());
        EXPECT_FALSE(app.history.CanRedo());
    }
}

TEST_F(EditHistoryTest, UndoEndsAtTheFirstImageAndNeverLeadsToAnImageThatCannotBeOpened)
{
    // Before the main window builds the first image, the image is all zeros.
    const auto startAgain = [this] {
        app.state.image = {};
        app.history.Clear();
    };
    startAgain();
    app.BuildFirstImage();
    const ImageBytes first = app.state.image;
    Commit("151.5");
    EXPECT_EQ(app.history.UndoName(), "Channel 1 RX Frequency");
    app.history.Undo();
    EXPECT_EQ(app.state.image, first);
    EXPECT_FALSE(app.history.CanUndo());

    // An image put in without a word to the history is no way back to the zeros either.
    startAgain();
    BuildImageForCurrentModel(app.state);
    Commit("151.5");
    EXPECT_FALSE(app.history.CanUndo());
    Commit("152.5");
    app.history.Undo();
    EXPECT_EQ(app.history.UndoName(), "");
    EXPECT_EQ(FindIdentityFault(app.state.image), IdentityFault::None);
}

TEST_F(EditHistoryTest, AStepACommandMadeIsNamedAfterTheCommandInEveryLanguage)
{
    struct Case {
        int language;
        int commandNameId;
        std::string name;
    };
    int frequency = 151;
    for (const Case& c : {Case{MessageCatalog::kEnglish, messages::menu::kImportChannels, "Import Channels"},
                          Case{MessageCatalog::kSpanish, messages::channels::kInsertChannel, "Insertar canal"},
                          Case{MessageCatalog::kChinese, messages::menu::kMemoryMap, "存储器映射"}}) {
        app.language = c.language;
        ASSERT_EQ(app.ReloadLanguage(), MessageCatalog::kLoaded);
        {
            const auto command = app.state.notices.GroupEdits(c.commandNameId);
            commits.StoreFrequency(0, ChannelField::ReceiveFrequency, std::to_string(++frequency), true);
        }
        EXPECT_EQ(app.history.UndoName(), c.name);
    }
}

TEST_F(EditHistoryTest, AModelChangeIsAStepUndoneThroughTheReplacement)
{
    Commit("151.5");
    const ImageBytes lmr = app.state.image;
    app.replacement.ReplaceImage({.reason = ImageReason::ModelChange,
                                  .install =
                                      [this] {
                                          app.state.currentModel = *ModelRecordFor(6, 8);
                                          BuildImageForCurrentModel(app.state);
                                      },
                                  .markSaved = false});
    ASSERT_TRUE(app.state.IsParlane());
    EXPECT_EQ(app.history.UndoName(), "Model Type");
    notices.clear();
    app.history.Undo();
    EXPECT_EQ(app.state.image, lmr);
    EXPECT_FALSE(app.state.IsParlane());
    EXPECT_EQ(app.state.currentModel, *ModelRecordFor(0, 8));
    EXPECT_EQ(app.state.band.flag, 0);
    using K = ImageNotice::Kind;
    EXPECT_EQ(notices, (std::vector<ImageNotice>{{K::Replacing, ImageReason::ModelChange},
                                                 {K::Replaced, ImageReason::ModelChange}}));
    app.history.Redo();
    EXPECT_TRUE(app.state.IsParlane());
    EXPECT_EQ(app.state.band.flag, 1);
    app.history.Undo();
    EXPECT_EQ(app.history.UndoName(), "Channel 1 RX Frequency");
}

} // namespace
} // namespace qtr
