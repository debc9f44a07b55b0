#pragma once

#include "gui/document/DataFileDialog.h"
#include "core/base/FilePicker.h"

namespace qtr::gui {

// The Open and Save As dialogs of the desktop program.
class QtFilePicker : public FilePicker {
public:
    QtFilePicker();
    void UseCatalog(const MessageCatalog& catalog) { catalog_ = &catalog; }

    std::optional<std::string> ChooseOpenPath(const std::string& folder) override;
    std::optional<std::string> ChooseSavePath(const std::string& folder, const std::string& name) override;
    std::optional<std::string> ChooseChannelListPath(bool save, const std::string& folder) override;
    std::optional<std::string> ChooseLogPath(const std::string& folder, const std::string& name) override;
    std::optional<std::string> ChooseExportPath(const std::string& folder, const std::string& name,
                                                const std::string& extension) override;

private:
    std::optional<std::string> Choose(DataFileDialog::Purpose purpose, const std::string& folder,
                                      const std::string& name);

    const MessageCatalog* catalog_;
};

} // namespace qtr::gui
