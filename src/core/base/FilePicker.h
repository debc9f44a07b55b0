#pragma once

#include <optional>
#include <string>

namespace qtr {

// The seam for the Open and Save As dialogs; nothing means the user cancelled.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    virtual std::optional<std::string> ChooseOpenPath(const std::string& folder) = 0;
    virtual std::optional<std::string> ChooseSavePath(const std::string& folder, const std::string& name) = 0;
    // A channel list (CSV) file to write (`save`) or to read; the data file dialogs unless
    // the seam has dialogs of its own for it.
    virtual std::optional<std::string> ChooseChannelListPath(bool save, const std::string& folder)
    {
        return save ? ChooseSavePath(folder, "channels.csv") : ChooseOpenPath(folder);
    }
    // A log the program appends to: an existing file is taken as it is, not replaced.
    virtual std::optional<std::string> ChooseLogPath(const std::string& folder, const std::string& name)
    {
        return ChooseSavePath(folder, name);
    }
    // A file the program exports (a PDF); `extension` without its dot. Where no dialog of
    // its own exists, the Save As dialog answers.
    virtual std::optional<std::string> ChooseExportPath(const std::string& folder, const std::string& name,
                                                        const std::string& extension)
    {
        (void)extension;
        return ChooseSavePath(folder, name);
    }
};

} // namespace qtr
