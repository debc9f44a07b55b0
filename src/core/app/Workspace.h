#pragma once

#include "core/app/EditHistory.h"
#include "core/app/ImageReplacementSequence.h"
#include "core/app/SafetyOptions.h"
#include "core/base/HelpFile.h"
#include "core/base/MessageCatalog.h"
#include "core/channels/ChannelTable.h"
#include "core/channels/ChannelTexts.h"
#include "core/document/Document.h"
#include "core/model/FrequencyCodec.h"
#include "core/model/RadioState.h"

#include <string>

namespace qtr {

class FilePicker;
class Prompter;
class SettingsStore;
class ShellHooks;

// The program's state and its start-up and exit rules, without any window: the
// desktop program and the command-line tool both run on one of these.
class Workspace {
public:
    Workspace(Prompter& prompter, FilePicker& picker, ShellHooks& shell);

    // Settings, model, image defaults, data folder, language and help file, then the
    // language file. Returns the catalogue's load result; a failure has been shown.
    int Start(const SettingsStore& store, const std::string& executablePath);
    // Settings written at exit.
    void WriteSettings(SettingsStore& store) const;
    // Loads the texts of the current language; a failure is shown to the user.
    int ReloadLanguage();
    // The image the main window starts with.
    void BuildFirstImage();
    // Restores the model from a "LastModel" text; false when the default model was used.
    bool RestoreModel(const std::string& lastModel);

    Prompter& prompter;
    FilePicker& picker;
    ShellHooks& shell;
    RadioState state;
    MessageCatalog catalog;
    FrequencyCodec codec;
    ChannelTable channels;
    ChannelTexts channelTexts;
    HelpFile help;
    int comPort = 1;
    int language = MessageCatalog::kEnglish;
    // Verification and backups around the radio transfers: all off unless a front end sets them.
    SafetyOptions safety;
    // Where the language files, help pages and call tones lie (see ProgramFilesFolder).
    std::string programFolder;
    // Declared after what it works on; the document replaces the image through it.
    ImageReplacementSequence replacement;
    Document document;
    // Undo and redo of every editor's commits.
    EditHistory history;
};

} // namespace qtr
