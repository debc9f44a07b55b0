#include "core/app/TransferDialogModel.h"

#include "core/app/Workspace.h"
#include "core/base/Prompter.h"
#include "core/base/ShellHooks.h"
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
    progress_.SetButtonsEnabled(false);
    RadioSession session(link_, app_.prompter, app_.catalog, &progress_);
    RadioTransfer transfer(session, app_.state, progress_);
    const bool done = direction_ == Direction::Read ? transfer.ReadFromRadio(identity_)
                                                    : transfer.WriteToRadio(identity_);
    if (!done)
        return false;
    ReportDone();
    if (direction_ == Direction::Read)
        AdoptReadImage();
    else
        app_.shell.ForgetTestFrequencyChanges();
    return true;
}

void TransferDialogModel::ReportDone()
{
    progress_.DiscardTypedKeys();
    Prompt done;
    done.captionText = "QTR-31X";
    done.messageId = direction_ == Direction::Read ? kReadDoneId : kWriteDoneId;
    done.icon = Icon::Information;
    app_.prompter.Ask(done);
    link_.State().reading = false;
    link_.State().writing = false;
}

// Editors close before the image is replaced, so that nothing they still hold is
// committed into the radio's data; the test frequencies typed are gone with the image,
// so closing their window reminds nobody to write them.
void TransferDialogModel::AdoptReadImage()
{
    ShellHooks& shell = app_.shell;
    shell.ForgetTestFrequencyChanges();
    shell.CloseAllEditors();
    StoreReceivedImage(app_.state, app_.codec, identity_);
    app_.document.SetUntitled();
    shell.RefreshTitle();
    shell.RebuildMenus();
    app_.state.MarkSaved();
    if (app_.help.AfterModelChange(app_.language, app_.state.LineLetter()))
        shell.CloseHelpWindows();
    shell.PostChannelInformation();
}

} // namespace qtr
