#include "core/app/Workspace.h"

#include "core/app/SettingsRules.h"
#include "core/base/ProgramFiles.h"
#include "core/base/Prompter.h"
#include "core/base/SettingsStore.h"
#include "core/base/messages/App.h"
#include "core/model/ModelDefaults.h"

#include <filesystem>

namespace qtr {

namespace {

const char* const kCannotReadLanguageText = "Can't read language file.\nPlease re-install this software again.";
const char* const kDamagedLanguageText = "Language file has been damaged.\nPlease re-install this software again.";

} // namespace

Workspace::Workspace(Prompter& prompterSeam, FilePicker& picker, ShellHooks& shellHooks)
    : prompter(prompterSeam), picker(picker), shell(shellHooks), codec(state, catalog), channels(state, codec),
      channelTexts(channels, codec), replacement(state, shellHooks, help, language), document(state, catalog, prompterSeam, picker, replacement),
      history(state, catalog, replacement)
{
}

bool Workspace::RestoreModel(const std::string& lastModel)
{
    const auto record = ParseLastModel(lastModel);
    if (record) {
        const std::string code(record->begin(), record->begin() + identity::kCodeLength);
        if (code == "P7100" || code == "P8100") {
            // Only option bits that name a standard or an L model are taken.
            const unsigned bits = (*record)[identity::kRecordOption] & 0x07;
            if (bits == kStandardOptionBits || bits == kLVariantOptionBits)
                state.Set(identity::kOptionBits, bits);
            state.Set(identity::kLineLetter, (*record)[identity::kRecordLine]);
        }
    }
    const bool restored = record && state.ValidateModelRecord(*record);
    if (restored)
        state.currentModel = *record;
    return restored;
}

int Workspace::Start(const SettingsStore& store, const std::string& executablePath)
{
    const std::string savedFolder = store.ReadText(settings::kBackupSection, settings::kDataFolder).value_or("");
    const bool restored = RestoreModel(store.ReadText(settings::kBackupSection, settings::kLastModel).value_or(""));
    comPort = ReadComPort(store);
    ApplyModelDefaults(state, restored ? ModelReset::Keep : ModelReset::ToDefaultModel);

    programFolder = ProgramFilesFolder(executablePath);
    if (document.DefaultDataFolder().empty())
        document.SetDefaultDataFolder(programFolder + "/DATA/");
    document.RestoreDataFolder(savedFolder);
    language = ReadLanguage(store);
    // The image is rebuilt from the current model only when the main window opens, and
    // before that only standard models have their line letter in it; the model's own
    // letter gives the right help file for every model.
    // The help folders are named after the executable and lie in the program folder.
    const auto helpStem = std::filesystem::path(programFolder) / std::filesystem::path(executablePath).filename();
    help = HelpFile(helpStem.string(), HelpFile::StartLetter(language), state.currentModel[identity::kRecordLine]);
    catalog.SetFolder(programFolder);
    return ReloadLanguage();
}

int Workspace::ReloadLanguage()
{
    auto ids = MessageCatalog::ProgramMessages();
    const int result = catalog.LoadLanguage(ids, language);
    if (result == MessageCatalog::kLoaded)
        return result;
    const bool missing = result == MessageCatalog::kCannotOpen;
    Prompt failure;
    failure.captionText = catalog.Has(messages::app::kProgramName) ? catalog.MessageText(messages::app::kProgramName)
                                                                   : "QTR-31X";
    const int id = missing ? messages::app::kCannotReadLanguage : messages::app::kDamagedLanguage;
    if (catalog.Has(id)) {
        failure.messageId = id;
    } else {
        failure.detail = missing ? kCannotReadLanguageText : kDamagedLanguageText;
        failure.form = PromptForm::DetailOnly;
    }
    failure.icon = Icon::Error;
    prompter.Ask(failure);
    return result;
}

void Workspace::BuildFirstImage()
{
    state.sixteenChannelFlag = true;
    BuildImageForCurrentModel(state);
    document.SetUntitled();
    history.Clear(); // the first image is where undoing ends
}

void Workspace::WriteSettings(SettingsStore& store) const
{
    store.WriteText(settings::kBackupSection, settings::kDataFolder, document.DataFolder());
    store.WriteText(settings::kBackupSection, settings::kLastModel, FormatLastModel(state.currentModel));
    store.WriteInteger(settings::kBackupSection, settings::kComPort, comPort);
    store.WriteInteger(settings::kBackupSection, settings::kLanguage, language);
}

} // namespace qtr
