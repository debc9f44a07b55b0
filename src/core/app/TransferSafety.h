#pragma once

#include "core/app/SafetyOptions.h"
#include "core/base/Prompter.h"
#include "core/link/RadioTransfer.h"

#include <optional>
#include <string>

namespace qtr {

class Clock;
class Workspace;

// The safety options at work in one transfer: the guards it runs with, and the backups
// of what the radio held. A backup that cannot be kept is told with its path and reason.
class TransferSafety {
public:
    TransferSafety(Workspace& app, const SafetyOptions& options, const RadioTransfer& transfer, const Clock& clock)
        : app_(app), options_(options), transfer_(transfer), clock_(clock)
    {
    }

    TransferGuards Guards(bool writing);
    // After a read: keeps the image as the document now holds it. False when it could not be kept.
    bool KeepRead();
    // The last backup written.
    const std::optional<std::string>& LastBackup() const { return lastBackup_; }

private:
    bool Keep(const ImageBytes& image, int failureId, Icon icon);

    Workspace& app_;
    const SafetyOptions& options_;
    const RadioTransfer& transfer_;
    const Clock& clock_;
    std::optional<std::string> lastBackup_;
};

} // namespace qtr
