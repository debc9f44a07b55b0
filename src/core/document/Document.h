#pragma once

#include "core/base/FilePicker.h"
#include "core/document/DataFile.h"
#include "core/model/RadioState.h"

#include <optional>
#include <string>

namespace qtr {

class ImageReplacer;
class MessageCatalog;
class Prompter;

// The one document: the image itself, its name and data folder, and the commands
// that load, save and replace it. The modified test compares the image with its saved copy.
// New and Open replace the image through the replacer, which owns the order of the steps.
class Document {
public:
    Document(RadioState& state, const MessageCatalog& catalog, Prompter& prompter, FilePicker& picker,
             ImageReplacer& replacer);

    // The file name with extension, or the untitled text.
    std::string Name() const;
    bool IsUntitled() const { return !fileName_; }
    void SetUntitled() { fileName_.reset(); }
    const std::string& DataFolder() const { return dataFolder_; }
    void SetDataFolder(const std::string& folder) { dataFolder_ = folder; }
    // The folder the data folder falls back to: a fresh installation's, or one whose
    // saved folder has gone. Made when a dialog first starts in it.
    const std::string& DefaultDataFolder() const { return defaultDataFolder_; }
    void SetDefaultDataFolder(const std::string& folder) { defaultDataFolder_ = folder; }
    // The saved data folder, or the default one when none was saved. The Open and Save As
    // dialogs start in the default one while the saved one does not exist.
    void RestoreDataFolder(const std::string& saved);
    const std::string& LastChosenPath() const { return lastPath_; }
    // The file dialogs, for what else the program writes beside the data file.
    FilePicker& Picker() const { return picker_; }
    bool IsModified() const { return state_.IsModified(); }

    enum class Flow { GoOn, Stop };
    // Before the image is replaced or the program closes: Yes saves, No goes on without
    // saving, Cancel stops. Nothing is asked of an unmodified document. Work restored after
    // a crash is asked about in words of its own, and only a button that says it discards
    // that work lets it go unsaved.
    Flow AskSaveChanges();
    // The image is work given back after a crash, kept in no file, until it is saved or
    // let go by the save-changes question.
    void MarkRestored() { restoredWork_ = true; }
    bool HoldsRestoredWork() const { return restoredWork_; }

    void NewDocument();
    void OpenDataFile();
    // Loads the file into the image, or tells the user why not; a file that cannot be
    // opened is named, with the system's reason, since no dialog shows its name; a modified
    // image is only replaced when the save-changes question lets it go.
    datafile::ReadError OpenPath(const std::string& path);
    void SaveDataFile();
    void SaveDataFileAs();

private:
    void AdoptFileName(const std::string& path);
    enum class Naming { FixedText, NameAndReason };
    datafile::ReadError Load(const std::string& path, Naming naming);
    void ShowReadError(const datafile::ReadResult& result, const std::string& path, Naming naming);
    void Install(const std::string& path, const ImageBytes& image);
    void Saved();
    std::optional<std::string> ChooseSavePath();
    const std::string& DialogFolder();
    bool WriteTo(const std::string& path, const std::string& magic);

    RadioState& state_;
    const MessageCatalog& catalog_;
    Prompter& prompter_;
    FilePicker& picker_;
    ImageReplacer& replacer_;
    std::optional<std::string> fileName_;
    std::string dataFolder_;
    std::string defaultDataFolder_;
    std::string lastPath_;
    bool restoredWork_ = false;
};

} // namespace qtr
