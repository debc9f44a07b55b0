#pragma once

#include "core/app/SafetyOptions.h"
#include "core/base/messages/Link.h"
#include "core/link/RadioLink.h"
#include "core/link/TransferGuards.h"

#include <optional>
#include <string>

namespace qtr {

class Workspace;
class TransferProgress;

// The transfer dialog without its window: the texts it shows, and what its first button
// does. The dialog disables nothing itself, shows the progress it is given, and closes
// when Start returns; its second button closes it without any exchange.
class TransferDialogModel {
public:
    enum class Direction { Read, Write };
    static constexpr int kReadHelpTopic = 32772;
    static constexpr int kWriteHelpTopic = 32773;

    TransferDialogModel(Workspace& app, RadioLink& link, TransferProgress& progress, Direction direction);

    Direction TransferDirection() const { return direction_; }
    int TitleId() const
    {
        return direction_ == Direction::Read ? messages::link::kReadTitle : messages::link::kWriteTitle;
    }
    int HelpTopic() const { return direction_ == Direction::Read ? kReadHelpTopic : kWriteHelpTopic; }

    // The first button: runs the transfer, reports success, and after a read makes the
    // radio's memory the document; the windows hear of it either way. A read first asks
    // to save a modified image, and its Cancel stops before any exchange. True on success.
    bool Start();
    // The radio's identity as the last transfer received it.
    const RadioIdentity& Identity() const { return identity_; }
    // Verification and backups; none unless set.
    void UseSafety(const SafetyOptions& options) { safety_ = options; }
    TransferOutcome Outcome() const { return outcome_; }
    // The backup the last transfer wrote, if any; false from KeptAll when one asked for was not written.
    const std::optional<std::string>& LastBackup() const { return lastBackup_; }
    bool KeptAll() const { return keptAll_; }

private:
    void AdoptReadImage();
    void ReportDone();

    Workspace& app_;
    RadioLink& link_;
    TransferProgress& progress_;
    Direction direction_;
    RadioIdentity identity_{};
    SafetyOptions safety_;
    TransferOutcome outcome_ = TransferOutcome::Failed;
    std::optional<std::string> lastBackup_;
    bool keptAll_ = true;
};

} // namespace qtr
