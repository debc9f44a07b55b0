#pragma once

#include "core/base/SettingsStore.h"

#include <QSettings>

namespace qtr::gui {

// The settings in Qt's native store for the company "HALVERN" and the program "QTR31X":
// the registry on Windows, an INI file under the user's configuration folder elsewhere.
// Sections and names are matched without regard to case, as the registry does, so
// "BackUp" and "Backup" are one section.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();

    std::optional<std::string> ReadText(const std::string& section, const std::string& name) const override;
    void WriteText(const std::string& section, const std::string& name, const std::string& value) override;

private:
    // The key as already spelled in the store, or as given when it is new.
    QString StoredKey(const std::string& section, const std::string& name) const;

    mutable QSettings settings_;
};

} // namespace qtr::gui
