#include "core/document/Document.h"

#include "core/base/MessageCatalog.h"
#include "core/base/Prompter.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/Document.h"
#include "core/document/DataFile.h"
#include "core/document/ImageReplacer.h"
#include "core/model/ModelDefaults.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace qtr {

namespace {

using messages::common::kSaveChangesQuestion;
constexpr std::uintmax_t kMinimumFreeKilobytes = 10;

Prompt ErrorText(const std::string& text)
{
    return {.captionId = messages::common::kErrorCaption,
            .detail = text,
            .form = PromptForm::DetailOnly,
            .icon = Icon::Error};
}

std::string FolderOf(const std::string& path)
{
    return std::filesystem::path(path).parent_path().string();
}

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

} // namespace

Document::Document(RadioState& state, const MessageCatalog& catalog, Prompter& prompter, FilePicker& picker,
                   ImageReplacer& replacer)
    : state_(state), catalog_(catalog), prompter_(prompter), picker_(picker), replacer_(replacer)
{
}

std::string Document::Name() const
{
    return fileName_ ? *fileName_ : catalog_.MessageText(messages::document::kUntitled);
}

void Document::RestoreDataFolder(const std::string& saved)
{
    dataFolder_ = saved.empty() ? defaultDataFolder_ : saved;
}

// A folder that has gone since gives way to the default one, which is made on first use.
const std::string& Document::DialogFolder()
{
    std::error_code ignored;
    if (!std::filesystem::is_directory(dataFolder_, ignored) && !defaultDataFolder_.empty())
        dataFolder_ = defaultDataFolder_;
    if (dataFolder_ == defaultDataFolder_)
        std::filesystem::create_directories(dataFolder_, ignored);
    return dataFolder_;
}

void Document::AdoptFileName(const std::string& path)
{
    fileName_ = FileNameOf(path);
    dataFolder_ = FolderOf(path);
}

Document::Flow Document::AskSaveChanges()
{
    if (!IsModified())
        return Flow::GoOn;
    Prompt question{.captionText = "QTR-31X",
                    .messageId = kSaveChangesQuestion,
                    .detail = Name(),
                    .form = PromptForm::SaveChangesFormat,
                    .buttons = Buttons::YesNoCancel,
                    .icon = Icon::Warning,
                    .defaultAnswer = Answer::Yes};
    if (restoredWork_) {
        question.messageId = messages::document::kSaveRestoredWorkQuestion;
        question.form = PromptForm::Message;
        question.noTextId = messages::document::kDiscardRestoredWork;
    }
    const Answer answer = prompter_.Ask(question);
    if (answer == Answer::No) {
        restoredWork_ = false;
        return Flow::GoOn;
    }
    if (answer != Answer::Yes)
        return Flow::Stop;
    const auto path = ChooseSavePath();
    if (!path || !WriteTo(*path, datafile::kStandardMagic))
        return Flow::Stop;
    // Not marked saved: what asked replaces the image or closes at once.
    AdoptFileName(*path);
    restoredWork_ = false;
    return Flow::GoOn;
}

void Document::NewDocument()
{
    if (prompter_.Ask({.captionId = messages::common::kWarningCaption,
                       .messageId = messages::document::kNewQuestion,
                       .buttons = Buttons::OkCancel,
                       .icon = Icon::Warning,
                       .defaultAnswer = Answer::Cancel}) != Answer::Ok)
        return;
    if (AskSaveChanges() == Flow::Stop)
        return;
    replacer_.ReplaceImage({.reason = ImageReason::New, .install = [this] {
                                BuildImageForNewDocument(state_);
                                SetUntitled();
                            }});
}

void Document::OpenDataFile()
{
    for (;;) {
        const auto path = picker_.ChooseOpenPath(DialogFolder());
        if (!path)
            return;
        lastPath_ = *path;
        // The dialog that comes back still shows the name.
        if (Load(*path, Naming::FixedText) != datafile::ReadError::CannotOpen)
            return;
    }
}

datafile::ReadError Document::OpenPath(const std::string& path)
{
    return Load(path, Naming::NameAndReason);
}

datafile::ReadError Document::Load(const std::string& path, Naming naming)
{
    const datafile::ReadResult result = datafile::Read(path);
    if (result.error != datafile::ReadError::None) {
        ShowReadError(result, path, naming);
        return result.error;
    }
    if (AskSaveChanges() == Flow::GoOn)
        Install(path, result.image);
    return datafile::ReadError::None;
}

void Document::Install(const std::string& path, const ImageBytes& image)
{
    replacer_.ReplaceImage({.reason = ImageReason::Open,
                            .install =
                                [&] {
                                    state_.image = image;
                                    AdoptFileName(path);
                                    state_.AdoptImageModel();
                                },
                            .help = HelpFileChange::FollowLine});
}

void Document::ShowReadError(const datafile::ReadResult& result, const std::string& path, Naming naming)
{
    if (result.error == datafile::ReadError::CannotOpen) {
        const std::string named =
            naming == Naming::NameAndReason ? "\n" + path + "\n" + datafile::ReasonText(result, catalog_) : "";
        prompter_.Ask(ErrorText("Cannot open file." + named));
        return;
    }
    if (result.error == datafile::ReadError::DamagedIdentity) {
        prompter_.Ask({.captionId = messages::common::kErrorCaption,
                       .messageId = messages::document::kDamagedFile,
                       .detail = "\n" + path + "\n" + catalog_.MessageText(IdentityFaultMessage(result.fault)),
                       .form = PromptForm::MessageThenDetail,
                       .icon = Icon::Error});
        return;
    }
    prompter_.Ask(
        {.captionId = messages::common::kErrorCaption, .messageId = messages::document::kWrongFile, .icon = Icon::Error});
}

void Document::SaveDataFile()
{
    const std::filesystem::path target = std::filesystem::path(dataFolder_) / Name();
    if (IsUntitled() || !std::filesystem::exists(target)) {
        SaveDataFileAs();
        return;
    }
    if (prompter_.Ask({.captionId = messages::common::kWarningCaption,
                       .messageId = messages::document::kOverwriteQuestion,
                       .detail = Name(),
                       .form = PromptForm::MessageThenDetail,
                       .buttons = Buttons::OkCancel,
                       .icon = Icon::Warning,
                       .defaultAnswer = Answer::Cancel}) != Answer::Ok)
        return;
    if (WriteTo(target.string(), datafile::MagicFor(state_.image)))
        Saved();
}

void Document::Saved()
{
    restoredWork_ = false;
    state_.MarkSaved();
    state_.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Saved});
}

std::optional<std::string> Document::ChooseSavePath()
{
    const auto path = picker_.ChooseSavePath(DialogFolder(), Name());
    if (path)
        lastPath_ = *path;
    return path;
}

void Document::SaveDataFileAs()
{
    const auto path = ChooseSavePath();
    if (!path || !WriteTo(*path, datafile::MagicFor(state_.image)))
        return;
    AdoptFileName(*path);
    Saved();
}

bool Document::WriteTo(const std::string& path, const std::string& magic)
{
    const auto failure = datafile::KnownToHaveLessRoomThan(path, kMinimumFreeKilobytes)
                             ? std::optional<std::string>(std::strerror(ENOSPC))
                             : datafile::Write(path, state_.image, magic);
    if (failure)
        prompter_.Ask(ErrorText("Cannot save file.\n" + path + "\n" + *failure));
    return !failure;
}

} // namespace qtr
