#include "core/document/Document.h"

#include "core/base/CommonMessages.h"

#include "core/base/HelpFile.h"
#include "core/base/MessageCatalog.h"
#include "core/base/Prompter.h"
#include "core/base/ShellHooks.h"
#include "core/document/DataFile.h"
#include "core/model/ModelDefaults.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace qtr {

namespace {

constexpr int kNewQuestion = 3003011;
constexpr int kOverwriteQuestion = 3003015;
constexpr int kSaveChangesQuestion = 3003053;
constexpr std::uintmax_t kMinimumFreeKilobytes = 10;

Prompt ErrorText(const std::string& text)
{
    return {.captionId = msg::kErrorCaption, .detail = text, .form = PromptForm::DetailOnly, .icon = Icon::Error};
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
                   ShellHooks& shell, HelpFile& help)
    : state_(state), catalog_(catalog), prompter_(prompter), picker_(picker), shell_(shell), help_(help)
{
}

std::string Document::Name() const
{
    return fileName_ ? *fileName_ : catalog_.MessageText(kUntitledNameId);
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
    const Answer answer = prompter_.Ask({.captionText = "QTR-31X",
                                         .messageId = kSaveChangesQuestion,
                                         .detail = Name(),
                                         .form = PromptForm::SaveChangesFormat,
                                         .buttons = Buttons::YesNoCancel,
                                         .icon = Icon::Warning,
                                         .defaultAnswer = Answer::Yes});
    if (answer == Answer::No)
        return Flow::GoOn;
    if (answer != Answer::Yes)
        return Flow::Stop;
    const auto path = ChooseSavePath();
    if (!path || !WriteTo(*path, datafile::kStandardMagic))
        return Flow::Stop;
    // Not marked saved: New or closing follows at once.
    AdoptFileName(*path);
    return Flow::GoOn;
}

void Document::NewDocument()
{
    if (prompter_.Ask({.captionId = msg::kWarningCaption,
                       .messageId = kNewQuestion,
                       .buttons = Buttons::OkCancel,
                       .icon = Icon::Warning,
                       .defaultAnswer = Answer::Cancel}) != Answer::Ok)
        return;
    if (AskSaveChanges() == Flow::Stop)
        return;
    shell_.CloseAllEditors();
    BuildImageForNewDocument(state_);
    SetUntitled();
    shell_.RefreshTitle();
    shell_.PostChannelInformation();
}

void Document::OpenDataFile()
{
    for (;;) {
        const auto path = picker_.ChooseOpenPath(DialogFolder());
        if (!path)
            return;
        lastPath_ = *path;
        if (OpenPath(*path) != datafile::ReadError::CannotOpen)
            return;
    }
}

datafile::ReadError Document::OpenPath(const std::string& path)
{
    const datafile::ReadResult result = datafile::Read(path);
    if (result.error != datafile::ReadError::None) {
        ShowReadError(result.error);
        return result.error;
    }
    state_.image = result.image;
    fileName_ = FileNameOf(path);
    state_.AdoptImageModel();
    shell_.RefreshTitle();
    state_.MarkSaved();
    dataFolder_ = FolderOf(path);
    shell_.CloseAllEditors();
    shell_.PostChannelInformation();
    help_.SetLineSuffix(state_.LineLetter());
    return datafile::ReadError::None;
}

void Document::ShowReadError(datafile::ReadError error)
{
    if (error == datafile::ReadError::CannotOpen) {
        prompter_.Ask(ErrorText("Cannot open file."));
        return;
    }
    prompter_.Ask({.captionId = msg::kErrorCaption, .messageId = datafile::kWrongFileMessage, .icon = Icon::Error});
}

void Document::SaveDataFile()
{
    const std::filesystem::path target = std::filesystem::path(dataFolder_) / Name();
    if (IsUntitled() || !std::filesystem::exists(target)) {
        SaveDataFileAs();
        return;
    }
    if (prompter_.Ask({.captionId = msg::kWarningCaption,
                       .messageId = kOverwriteQuestion,
                       .detail = Name(),
                       .form = PromptForm::MessageThenDetail,
                       .buttons = Buttons::OkCancel,
                       .icon = Icon::Warning,
                       .defaultAnswer = Answer::Cancel}) != Answer::Ok)
        return;
    if (WriteTo(target.string(), datafile::MagicFor(state_.image)))
        state_.MarkSaved();
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
    shell_.RefreshTitle();
    state_.MarkSaved();
}

bool Document::EnoughSpaceFor(const std::string& path)
{
    std::error_code error;
    const auto space = std::filesystem::space(std::filesystem::absolute(path).parent_path(), error);
    if (error || space.available / 1024 >= kMinimumFreeKilobytes)
        return true;
    prompter_.Ask(ErrorText(std::strerror(ENOSPC)));
    return false;
}

bool Document::WriteTo(const std::string& path, const std::string& magic)
{
    if (!EnoughSpaceFor(path))
        return false;
    const auto failure = datafile::Write(path, state_.image, magic);
    if (failure)
        prompter_.Ask(ErrorText("Cannot save file.\n" + path + "\n" + *failure));
    return !failure;
}

} // namespace qtr
