#pragma once

#include <string>

namespace qtr {

class SettingsStore;

// The guards around the radio transfers. All are off unless set: the command-line tool
// keeps nothing unless asked; the desktop program reads its choices from the settings.
struct SafetyOptions {
    bool verifyAfterWrite = false;
    bool backupBeforeWrite = false; // the radio's memory, read before the first block is written
    bool backupReads = false;       // every image read from a radio
    std::string backupFolder;       // where both kinds of backup go
};

namespace settings {
inline constexpr char kSafetySection[] = "Safety";
inline constexpr char kVerifyAfterWrite[] = "VerifyAfterWrite";
inline constexpr char kBackupBeforeWrite[] = "BackupBeforeWrite";
} // namespace settings

// The desktop program's choices: both on unless the settings say 0; reads are always kept.
SafetyOptions ReadSafetySettings(const SettingsStore& store, const std::string& backupFolder);
void WriteSafetySettings(SettingsStore& store, const SafetyOptions& options);

} // namespace qtr
