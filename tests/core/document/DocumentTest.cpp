#include "core/document/Document.h"

#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "TestImages.h"
#include "core/app/ImageReplacementSequence.h"
#include "core/base/HelpFile.h"
#include "core/base/MessageCatalog.h"
#include "core/base/ShellHooks.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"
#include "core/model/ModelChoice.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

namespace qtr {
namespace {

class ScriptedPicker : public FilePicker {
public:
    std::optional<std::string> ChooseOpenPath(const std::string& folder) override
    {
        folders.push_back(folder);
        return Next();
    }
    std::optional<std::string> ChooseSavePath(const std::string& folder, const std::string& name) override
    {
        folders.push_back(folder);
        offeredNames.push_back(name);
        return Next();
    }
    std::optional<std::string> Next()
    {
        if (paths.empty())
            return std::nullopt;
        auto path = paths.front();
        paths.pop_front();
        return path;
    }
    std::deque<std::optional<std::string>> paths;
    std::vector<std::string> offeredNames;
    std::vector<std::string> folders;
};

class CountingShell : public ShellHooks {
public:
    void CloseAllEditors() override { ++closed; }
    void PostChannelInformation() override { ++posted; }
    int closed = 0;
    int posted = 0;
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() { test::StartWithModel(state, test::RecordFor(7, 0x8B)); }

    std::string SavedFile(const std::string& name)
    {
        picker.paths.push_back(folder.File(name));
        document.SaveDataFileAs();
        return folder.File(name);
    }

    test::TempFolder folder;
    RadioState state;
    MessageCatalog catalog;
    test::ScriptedPrompter prompter;
    ScriptedPicker picker;
    CountingShell shell;
    HelpFile help{"/opt/qtr31x/qtr31x", 'e', 'B'};
    int language = 1;
    ImageReplacementSequence replacement{state, shell, help, language};
    Document document{state, catalog, prompter, picker, replacement};
};

TEST_F(DocumentTest, SaveAsWritesHeaderByModelAndMarksSaved)
{
    state.image[20] = 0x42;
    const auto bytes = test::TempFolder::ReadBytes(SavedFile("uhf.dat"));
    ASSERT_EQ(bytes.size(), 1040u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "ZR581LBB");
    EXPECT_TRUE(std::all_of(bytes.begin() + 8, bytes.begin() + 16, [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(bytes[16 + 20], 0x42);
    EXPECT_EQ(document.Name(), "uhf.dat");
    EXPECT_EQ(document.DataFolder(), folder.Path());
    EXPECT_FALSE(document.IsModified());

    test::StartWithModel(state, test::RecordFor(0, 0x10));
    const auto lmr = test::TempFolder::ReadBytes(SavedFile("lmr.dat"));
    EXPECT_EQ(std::string(lmr.begin(), lmr.begin() + 8), "ZR5816BL");
}

TEST_F(DocumentTest, OpenReplacesTheImageAndAdoptsItsModel)
{
    test::StartWithModel(state, test::RecordFor(0, 0x15));
    state.image[100] = 0x01;
    const auto path = SavedFile("lmr8.dat");
    test::StartWithModel(state, test::RecordFor(7, 0x8B));
    picker.paths.push_back(path);
    document.OpenDataFile();
    EXPECT_EQ(state.image[100], 0x01);
    EXPECT_EQ(state.currentModel, test::RecordFor(0, 0x15));
    EXPECT_EQ(state.band.flag, 0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(shell.closed, 1);
    EXPECT_EQ(shell.posted, 1);
    EXPECT_EQ(help.Path(), "/opt/qtr31x/qtr31x_e_LMR.chm");
}

TEST_F(DocumentTest, OpenAcceptsAnyByteAfterTheCheckedMagic)
{
    auto bytes = datafile::Build(state.image, "ZR581L");
    bytes[7] = 'Q';
    test::TempFolder::WriteBytes(folder.File("q.dat"), bytes);
    EXPECT_EQ(document.OpenPath(folder.File("q.dat")), datafile::ReadError::None);
}

TEST_F(DocumentTest, RefusedFilesLeaveEverythingAsItWas)
{
    auto wrongMagic = datafile::Build(state.image, "ZR5816");
    wrongMagic[6] = 'C';
    auto shortFile = datafile::Build(state.image, "ZR5816");
    shortFile.pop_back();
    auto longFile = datafile::Build(state.image, "ZR5816");
    longFile.push_back(0);
    for (const auto& bytes : {wrongMagic, shortFile, longFile, std::vector<std::uint8_t>{'Z', 'R'}}) {
        test::TempFolder::WriteBytes(folder.File("bad.dat"), bytes);
        state.image[30] = 0x77;
        const auto before = state.image;
        const auto model = state.currentModel;
        prompter.asked.clear();
        EXPECT_NE(document.OpenPath(folder.File("bad.dat")), datafile::ReadError::None);
        EXPECT_EQ(state.image, before);
        EXPECT_EQ(state.currentModel, model);
        EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::document::kWrongFile});
        EXPECT_EQ(shell.closed, 0);
    }
}

// A correct header over a body whose model identity the program never makes.
TEST_F(DocumentTest, AFileWithADamagedModelIdentityIsRefusedNamingTheFileAndTheFault)
{
    RadioState vhf;
    test::StartWithModel(vhf, test::RecordFor(0, 0x15));
    struct Damage {
        std::size_t offset;
        std::uint8_t value;
        IdentityFault fault;
    };
    const Damage damages[] = {{440, 'X', IdentityFault::UnknownModelCode},
                              {447, 'Q', IdentityFault::UnknownLine},
                              {445, 0x20, IdentityFault::UnknownChannelClass},
                              {445, 0x8B, IdentityFault::ChannelClassNotOfModel},
                              {446, 0x0E, IdentityFault::UnknownOptionBits},
                              {446, 0xBF, IdentityFault::UnknownOptionBits},
                              {446, 0x30, IdentityFault::UnknownOptionBits}};
    const std::string path = folder.File("damaged.dat");
    for (const auto& damage : damages) {
        auto bytes = datafile::Build(vhf.image, "ZR5816");
        bytes[datafile::kHeaderSize + damage.offset] = damage.value;
        test::TempFolder::WriteBytes(path, bytes);
        EXPECT_EQ(datafile::Read(path).fault, damage.fault) << damage.offset;

        state.image[30] = 0x77;
        const auto before = state.image;
        const auto model = state.currentModel;
        const std::string name = document.Name();
        prompter.asked.clear();
        EXPECT_EQ(document.OpenPath(path), datafile::ReadError::DamagedIdentity);
        EXPECT_EQ(state.image, before);
        EXPECT_EQ(state.currentModel, model);
        EXPECT_EQ(document.Name(), name);
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(shell.closed, 0);
        EXPECT_EQ(shell.posted, 0);
        ASSERT_EQ(prompter.AskedIds(), std::vector<int>{messages::document::kDamagedFile});
        EXPECT_NE(prompter.asked.front().detail.find(path), std::string::npos);
    }
}

TEST_F(DocumentTest, AGarbageBodyBehindAGoodHeaderIsRefused)
{
    std::vector<std::uint8_t> bytes(datafile::kFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::string header = "ZR5816BB";
    std::copy(header.begin(), header.end(), bytes.begin());
    test::TempFolder::WriteBytes(folder.File("garbage.dat"), bytes);
    EXPECT_EQ(document.OpenPath(folder.File("garbage.dat")), datafile::ReadError::DamagedIdentity);
}

// Whatever the program makes (the first image, File New, the command-line tool's new)
// for any model and channel class it offers opens again.
TEST(DataFileRoundTripTest, EveryImageTheProgramMakesOpensAgain)
{
    for (int model = 0; model < kModelTypeCount; ++model) {
        for (const int channels : {2, 8, 15, 16}) {
            const auto record = ModelRecordFor(model, channels);
            if (!record)
                continue;
            RadioState state;
            state.currentModel = *record;
            BuildImageForCurrentModel(state);
            auto parsed = datafile::Parse(datafile::Build(state.image, datafile::MagicFor(state.image)));
            EXPECT_EQ(parsed.error, datafile::ReadError::None) << model << " " << channels;
            BuildImageForNewDocument(state);
            parsed = datafile::Parse(datafile::Build(state.image, datafile::MagicFor(state.image)));
            EXPECT_EQ(parsed.error, datafile::ReadError::None) << model << " " << channels;
            EXPECT_EQ(parsed.image, state.image);
        }
    }
}

TEST_F(DocumentTest, AFileThatCannotBeOpenedOffersTheDialogAgain)
{
    picker.paths.push_back(folder.File("missing.dat"));
    picker.paths.push_back(std::nullopt);
    document.OpenDataFile();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].detail, "Cannot open file.");
    EXPECT_EQ(prompter.asked[0].captionId, messages::common::kErrorCaption);
    EXPECT_TRUE(picker.paths.empty());
}

TEST_F(DocumentTest, SaveAsksBeforeOverwritingTheDocumentsFile)
{
    const auto path = SavedFile("radio.dat");
    state.image[40] = 0x05;
    prompter.answers = {Answer::Cancel};
    document.SaveDataFile();
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::document::kOverwriteQuestion});
    EXPECT_EQ(prompter.asked[0].detail, "radio.dat");
    EXPECT_TRUE(document.IsModified());
    document.SaveDataFile();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(test::TempFolder::ReadBytes(path)[16 + 40], 0x05);
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndKeepsTheDocumentModified)
{
    state.image[40] = 0x05;
    picker.paths.push_back(folder.File("no-such-folder/radio.dat"));
    document.SaveDataFileAs();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_NE(prompter.asked[0].detail.find("no-such-folder/radio.dat"), std::string::npos);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.IsUntitled());
}

// /proc and /sys tell no size at all, so their free space is no reason to refuse.
TEST_F(DocumentTest, WhereFreeSpaceMeansNothingASaveReportsWhyTheFileCouldNotBeWritten)
{
    EXPECT_FALSE(datafile::KnownToHaveLessRoomThan("/proc/radio.dat", 10));
    EXPECT_FALSE(datafile::KnownToHaveLessRoomThan(folder.File("missing-folder/radio.dat"), 10));
    EXPECT_TRUE(datafile::KnownToHaveLessRoomThan(folder.File("radio.dat"), std::uintmax_t(1) << 60));
    EXPECT_FALSE(datafile::KnownToHaveLessRoomThan(folder.File("radio.dat"), 10));

    state.image[40] = 0x05;
    for (const std::string path : {"/proc/radio.dat", "/sys/radio.dat"}) {
        picker.paths.push_back(path);
        prompter.asked.clear();
        document.SaveDataFileAs();
        ASSERT_EQ(prompter.asked.size(), 1u);
        const std::string& text = prompter.asked[0].detail;
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_EQ(text.find("No space left"), std::string::npos) << text;
        EXPECT_TRUE(text.find("No such file or directory") != std::string::npos ||
                    text.find("Permission denied") != std::string::npos)
            << text;
        EXPECT_TRUE(document.IsModified());
    }
}

TEST_F(DocumentTest, AFileOpenedByNameThatCannotBeOpenedIsNamedWithTheReason)
{
    for (const auto& [path, reason] : {std::pair{folder.File("missing.dat"), "No such file or directory"},
                                       std::pair{folder.Path(), "Is a directory"}}) {
        prompter.asked.clear();
        EXPECT_EQ(document.OpenPath(path), datafile::ReadError::CannotOpen);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(prompter.asked[0].detail, "Cannot open file.\n" + path + "\n" + reason);
    }
    EXPECT_EQ(shell.closed, 0);
}

TEST_F(DocumentTest, SaveChangesQuestion)
{
    EXPECT_EQ(document.AskSaveChanges(), Document::Flow::GoOn);
    EXPECT_TRUE(prompter.asked.empty());

    state.image[40] = 0x05;
    prompter.answers = {Answer::Cancel};
    EXPECT_EQ(document.AskSaveChanges(), Document::Flow::Stop);
    EXPECT_EQ(prompter.asked.back().form, PromptForm::SaveChangesFormat);
    EXPECT_EQ(prompter.asked.back().captionText, "QTR-31X");

    prompter.answers = {Answer::No};
    EXPECT_EQ(document.AskSaveChanges(), Document::Flow::GoOn);

    prompter.answers = {Answer::Yes};
    EXPECT_EQ(document.AskSaveChanges(), Document::Flow::Stop); // Save As cancelled

    // The question's save always writes the standard magic and leaves the image unsaved.
    prompter.answers = {Answer::Yes};
    picker.paths.push_back(folder.File("question.dat"));
    EXPECT_EQ(document.AskSaveChanges(), Document::Flow::GoOn);
    const auto bytes = test::TempFolder::ReadBytes(folder.File("question.dat"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "ZR5816BB");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.Name(), "question.dat");
}

// Open replaces a modified image only when the save-changes question lets it go.
TEST_F(DocumentTest, OpenAsksToSaveAModifiedImageAndCancelKeepsIt)
{
    const auto path = SavedFile("other.dat");
    const auto opened = state.image;
    state.image[16] = 0x11;
    const auto modified = state.image;
    prompter.answers = {Answer::Cancel};
    picker.paths.push_back(path);
    document.OpenDataFile();
    EXPECT_EQ(prompter.AskedIds(), std::vector<int>{messages::common::kSaveChangesQuestion});
    EXPECT_EQ(prompter.asked[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(state.image, modified);
    EXPECT_EQ(shell.closed, 0);
    EXPECT_EQ(shell.posted, 0);

    prompter.answers = {Answer::No};
    picker.paths.push_back(path);
    document.OpenDataFile();
    EXPECT_EQ(state.image, opened);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(shell.posted, 1);

    prompter.asked.clear();
    EXPECT_EQ(document.OpenPath(path), datafile::ReadError::None); // unmodified: nothing asked
    EXPECT_TRUE(prompter.asked.empty());
}

// Windows hear that the image goes before the editors close, and that it is in place
// before Channel Information shows it; saving is a change of its own.
TEST_F(DocumentTest, ReplacingAndSavingAreHeardInOrder)
{
    std::vector<ImageNotice> heard;
    const auto listening = state.notices.Subscribe([&](const ImageNotice& notice) { heard.push_back(notice); });
    const auto path = SavedFile("radio.dat");
    picker.paths.push_back(path);
    document.OpenDataFile();
    using Kind = ImageNotice::Kind;
    EXPECT_EQ(heard, (std::vector<ImageNotice>{{Kind::Changed, ImageReason::Saved},
                                               {Kind::Replacing, ImageReason::Open},
                                               {Kind::Replaced, ImageReason::Open}}));
}

TEST_F(DocumentTest, NewAsksThenRebuildsTheImageUntitled)
{
    SavedFile("radio.dat");
    state.image[16] = 0x11;
    prompter.answers = {Answer::Cancel};
    document.NewDocument();
    EXPECT_EQ(state.image[16], 0x11);

    prompter.answers = {Answer::Ok, Answer::No};
    document.NewDocument();
    EXPECT_EQ(prompter.AskedIds(),
              (std::vector<int>{messages::document::kNewQuestion, messages::document::kNewQuestion,
                                messages::common::kSaveChangesQuestion}));
    EXPECT_EQ(state.image[16], 0x00); // 464.50000 MHz again
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.IsUntitled());
    EXPECT_EQ(shell.posted, 1);
}

TEST(DataFileTest, PreviewShowsTheEmbeddedMessageOfDataFilesOnly)
{
    ImageBytes image{};
    image.fill(0xFF);
    const std::string hello = "HELLO";
    std::copy(hello.begin(), hello.end(), image.begin() + 768);
    image[800] = 'A';
    image[801] = 0xFF;
    image[802] = 'B';
    auto bytes = datafile::Build(image, "ZR5816");
    const auto preview = datafile::PreviewMessage(bytes);
    EXPECT_EQ(preview.first, "HELLO");
    EXPECT_EQ(preview.second, "AB");
    bytes[0] = 'X';
    EXPECT_EQ(datafile::PreviewMessage(bytes).first, "");
    EXPECT_EQ(datafile::PreviewMessage({}).first, "");
}

TEST_F(DocumentTest, DialogsStartInTheSavedFolderWhileItExistsAndElseInTheDefaultOneMadeOnFirstUse)
{
    const std::string fallback = folder.File("Documents/QTR-31X");
    document.SetDefaultDataFolder(fallback);
    document.RestoreDataFolder(folder.Path());
    EXPECT_EQ(document.DataFolder(), folder.Path());
    document.RestoreDataFolder("");
    EXPECT_EQ(document.DataFolder(), fallback);
    document.RestoreDataFolder(folder.File("gone"));
    EXPECT_FALSE(std::filesystem::exists(fallback));

    document.OpenDataFile();
    EXPECT_TRUE(std::filesystem::is_directory(fallback));
    EXPECT_EQ(document.DataFolder(), fallback);
    // A folder removed while the program runs gives way to the default one too.
    std::filesystem::create_directories(folder.File("elsewhere"));
    document.SetDataFolder(folder.File("elsewhere"));
    std::filesystem::remove(folder.File("elsewhere"));
    document.SaveDataFileAs();
    EXPECT_EQ(picker.folders, (std::vector<std::string>{fallback, fallback}));
}

} // namespace
} // namespace qtr
