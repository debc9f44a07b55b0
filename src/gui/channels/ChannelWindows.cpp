#include "gui/channels/ChannelWindows.h"

#include "gui/widgets/CommandWindow.h"
#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/widgets/EditorSubWindow.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ChannelCopyDialog.h"
#include "gui/channels/FrequencyCopyDialog.h"
#include "gui/channels/ToneCopyDialog.h"

#include <QKeyEvent>

namespace qtr::gui {

ChannelCommand ChannelWindows::CommandForKey(const QKeyEvent& key, ChannelWindow window)
{
    const QString portable = QKeySequence(key.keyCombination()).toString(QKeySequence::PortableText);
    return ChannelCommandForKey(portable.toStdString(), window);
}

ChannelWindows::ChannelWindows(Workspace& app, HelpViewer& help, CommandWindow& frame)
    : QObject(&frame), app_(app), help_(help), frame_(frame), commits_(app.channels, app.codec, app.prompter)
{
    // Another window changed the channels' records or a value their windows show.
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.reason == ImageReason::ChannelSettingsChanged) {
            RefreshAllGridRows();
            RefreshForm();
        }
    });
}

void ChannelWindows::SelectSlot(int slot, ChannelWindow from)
{
    const bool moved = slot != slot_;
    slot_ = slot;
    if (from == ChannelWindow::Form) {
        if (ChannelGridView* grid = Grid())
            grid->ShowSlot(slot);
    } else if (moved) {
        RefreshForm();
    }
}

ChannelGridView* ChannelWindows::MakeGrid()
{
    grid_ = new ChannelGridView(*this);
    return grid_;
}

ChannelFormView* ChannelWindows::MakeForm()
{
    form_ = new ChannelFormView(*this);
    return form_;
}

void ChannelWindows::GridClosed()
{
    grid_ = nullptr;
}

void ChannelWindows::FormClosed()
{
    form_ = nullptr;
}

ChannelGridView* ChannelWindows::Grid() const
{
    return grid_;
}

ChannelFormView* ChannelWindows::Form() const
{
    return form_;
}

void ChannelWindows::OpenForm()
{
    frame_.OpenEditorWindow(command::kChannelEdit);
}

void ChannelWindows::CloseForm()
{
    if (form_)
        EditorSubWindow::CloseWindowOf(*form_);
}

void ChannelWindows::RefreshGridRow(int slot)
{
    if (ChannelGridView* grid = Grid())
        grid->RefreshRow(slot);
}

void ChannelWindows::RefreshAllGridRows()
{
    if (ChannelGridView* grid = Grid())
        grid->RefreshAllRows();
}

void ChannelWindows::RefreshForm()
{
    if (ChannelFormView* form = Form())
        form->ShowChannel();
}

void ChannelWindows::Edited(int commandNameId)
{
    app_.state.notices.Notify({ImageNotice::Kind::Changed, ImageReason::Edited, commandNameId});
}

void ChannelWindows::RunCopyCommand(ChannelCommand command, ChannelWindow from, QWidget& parent)
{
    Workspace& app = App();
    if (!ChannelCommandApplies(command, from, app.channels, app.state, slot_))
        return;
    switch (command) {
    case ChannelCommand::ChannelCopy: {
        ChannelCopyDialog dialog(app, Help(), slot_, &parent);
        connect(&dialog, &ChannelCopyDialog::Copied, this, &ChannelWindows::RefreshAllGridRows);
        dialog.exec();
        break;
    }
    case ChannelCommand::FrequencyCopy:
        FrequencyCopyDialog(app, Help(), commits_, slot_, &parent).exec();
        break;
    case ChannelCommand::ToneCopy:
        ToneCopyDialog(app, Help(), commits_, slot_, &parent).exec();
        break;
    default:
        return;
    }
    RefreshAllGridRows();
    RefreshForm();
    Edited(ChannelCommandNameId(command));
}

} // namespace qtr::gui
