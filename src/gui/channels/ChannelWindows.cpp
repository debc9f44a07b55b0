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

void ChannelWindows::RunCopyCommand(ChannelCommand command, ChannelWindow from, QWidget& parent)
{
    if (!ChannelCommandApplies(command, from, app_.channels, app_.state, slot_))
        return;
    const std::unique_ptr<QDialog> dialog = MakeCopyDialog(command, parent);
    if (!dialog)
        return;
    const auto edits = app_.state.notices.GroupEdits(ChannelCommandNameId(command));
    dialog->exec();
}

std::unique_ptr<QDialog> ChannelWindows::MakeCopyDialog(ChannelCommand command, QWidget& parent)
{
    switch (command) {
    case ChannelCommand::ChannelCopy:
        return std::make_unique<ChannelCopyDialog>(app_, help_, commits_, slot_, &parent);
    case ChannelCommand::FrequencyCopy:
        return std::make_unique<FrequencyCopyDialog>(app_, help_, commits_, slot_, &parent);
    case ChannelCommand::ToneCopy:
        return std::make_unique<ToneCopyDialog>(app_, help_, commits_, slot_, &parent);
    default:
        return nullptr;
    }
}

} // namespace qtr::gui
