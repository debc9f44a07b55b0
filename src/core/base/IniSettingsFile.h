#pragma once

#include "core/base/MemorySettingsStore.h"

#include <iosfwd>
#include <string>

namespace qtr {

// The desktop program's settings file as its settings store writes it on Linux (INI
// sections; names with %XX escapes; values quoted when they hold ",", ";", "=" or outer
// blanks, with backslash escapes, and "@@" for a leading "@"), read without the window
// toolkit. What is written to it stays in memory: the file is the desktop program's.
class IniSettingsFile : public SettingsStore {
public:
    // ~/.config/HALVERN/QTR31X.conf, or the same below $XDG_CONFIG_HOME when that is set.
    static std::string DefaultPath();
    // A missing or unreadable file reads as empty.
    explicit IniSettingsFile(const std::string& path);
    // The lines of a settings file already open.
    explicit IniSettingsFile(std::istream& text);

    std::optional<std::string> ReadText(const std::string& section, const std::string& name) const override;
    void WriteText(const std::string& section, const std::string& name, const std::string& value) override;

    // One value as it stands after "=", unquoted and unescaped.
    static std::string ParseValue(const std::string& text);
    // A section or value name with its %XX and %UXXXX escapes undone.
    static std::string ParseName(const std::string& text);

private:
    void Read(std::istream& text);

    MemorySettingsStore values_;
};

} // namespace qtr
