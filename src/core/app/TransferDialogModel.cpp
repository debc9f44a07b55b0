#include "core/app/TransferDialogModel.h"

#include "core/app/TransferSafety.h"
#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/base/SystemClock.h"
#include "core/base/messages/Link.h"
#include "core/link/RadioSession.h"
#include "core/link/RadioTransfer.h"
#include "core/link/ReceivedImage.h"
#include "core/link/TransferProgress.h"

namespace qtr {

TransferDialogModel::TransferDialogModel(Workspace& app, RadioLink& link, TransferProgress& progress,
                                         Direction direction)
    : app_(app), link_(link), progress_(progress), direction_(direction)
{
}

bool TransferDialogModel::Start()
{
    // A read replaces the image: unsaved changes are offered for saving first.
    if (direction_ == Direction::Read && app_.document.AskSaveChanges() == Document::Flow::Stop)
        return false;
    progress_.SetButtonsEnabled(false);
    RadioSession session(link_, app_.prompter, app_.catalog, &progress_);
    RadioTransfer transfer(session, app_.state, progress_);
    static const SystemClock clock;
    TransferSafety safety(app_, safety_, transfer, clock);
    transfer.UseGuards(safety.Guards(direction_ == Direction::Write));
    const bool done = direction_ == Direction::Read ? transfer.ReadFromRadio(identity_)
                                                    : transfer.WriteToRadio(identity_);
    outcome_ = transfer.Outcome();
    keptAll_ = outcome_ != TransferOutcome::NotKept;
    lastBackup_ = safety.LastBackup();
    if (!done)
        return false;
    ReportDone();
    if (direction_ == Direction::Read) {
        AdoptReadImage();
        keptAll_ = safety.KeepRead();
        lastBackup_ = safety.LastBackup();
    } else
        app_.state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::WrittenToRadio});
    return true;
}

void TransferDialogModel::ReportDone()
{
    progress_.DiscardTypedKeys();
    Prompt done;
    done.captionText = "QTR-31X";
    done.messageId = direction_ == Direction::Read ? messages::link::kReadDone : messages::link::kWriteDone;
    done.icon = Icon::Information;
    app_.prompter.Ask(done);
    link_.State().reading = false;
    link_.State().writing = false;
}

// The radio's memory becomes the unchanged, untitled document.
void TransferDialogModel::AdoptReadImage()
{
    app_.replacement.ReplaceImage({.reason = ImageReason::ReadFromRadio,
                                   .install =
                                       [this] {
                                           StoreReceivedImage(app_.state, app_.codec, identity_);
                                           app_.document.SetUntitled();
                                       },
                                   .help = HelpFileChange::FollowModel});
}

} // namespace qtr
