#include "core/app/SafetyOptions.h"

#include "core/base/SettingsStore.h"

namespace qtr {

namespace {

bool ReadSwitch(const SettingsStore& store, const char* name)
{
    return store.ReadInteger(settings::kSafetySection, name).value_or(1) != 0;
}

} // namespace

SafetyOptions ReadSafetySettings(const SettingsStore& store, const std::string& backupFolder)
{
    return {.verifyAfterWrite = ReadSwitch(store, settings::kVerifyAfterWrite),
            .backupBeforeWrite = ReadSwitch(store, settings::kBackupBeforeWrite),
            .backupReads = true,
            .backupFolder = backupFolder};
}

void WriteSafetySettings(SettingsStore& store, const SafetyOptions& options)
{
    store.WriteInteger(settings::kSafetySection, settings::kVerifyAfterWrite, options.verifyAfterWrite ? 1 : 0);
    store.WriteInteger(settings::kSafetySection, settings::kBackupBeforeWrite, options.backupBeforeWrite ? 1 : 0);
}

} // namespace qtr
