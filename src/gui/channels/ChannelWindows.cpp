#include "gui/channels/ChannelWindows.h"

#include "gui/app/MainWindow.h"
#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/CChInfoFrm.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/CChildFrame.h"
#include "gui/channels/CTestFreqFrame.h"
#include "gui/channels/ChannelCopyDialog.h"
#include "gui/channels/FrequencyCopyDialog.h"
#include "gui/channels/ToneCopyDialog.h"

#include <QKeyEvent>

namespace qtr::gui {

namespace {

constexpr int kGridTopic = 150;
constexpr int kFormTopic = 160;
constexpr int kTestFrequencyTopic = 157;

} // namespace

void ChannelWindows::Register(MainWindow& frame)
{
    auto* windows = new ChannelWindows(frame);
    frame.RegisterEditor(command::kChannelInformation, kGridTopic, [windows](MainWindow&) { return windows->MakeGrid(); });
    frame.RegisterEditor(command::kChannelEdit, kFormTopic, [windows](MainWindow&) { return windows->MakeForm(); });
    frame.RegisterEditor(command::kTestFrequency, kTestFrequencyTopic,
                         [](MainWindow& main) { return new CTestFreqFrame(main.App(), main.Help()); });
}

ChannelCommand ChannelWindows::CommandForKey(const QKeyEvent& key, ChannelWindow window)
{
    const QString portable = QKeySequence(key.keyCombination()).toString(QKeySequence::PortableText);
    return ChannelCommandForKey(portable.toStdString(), window);
}

ChannelWindows::ChannelWindows(MainWindow& frame)
    : QObject(&frame), frame_(frame), commits_(frame.App().channels, frame.App().codec, frame.App().prompter)
{
}

Workspace& ChannelWindows::App()
{
    return frame_.App();
}

HelpViewer& ChannelWindows::Help()
{
    return frame_.Help();
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

CChInfoFrm* ChannelWindows::MakeGrid()
{
    grid_ = new CChInfoFrm(*this);
    connect(grid_, &EditorFrame::Closed, this, [this] { grid_ = nullptr; });
    return grid_;
}

CChildFrame* ChannelWindows::MakeForm()
{
    form_ = new CChildFrame(*this);
    connect(form_, &EditorFrame::Closed, this, [this] { form_ = nullptr; });
    return form_;
}

ChannelGridView* ChannelWindows::Grid() const
{
    return grid_ ? &grid_->View() : nullptr;
}

ChannelFormView* ChannelWindows::Form() const
{
    return form_ ? &form_->View() : nullptr;
}

void ChannelWindows::OpenForm()
{
    frame_.OpenEditorWindow(command::kChannelEdit);
}

void ChannelWindows::CloseForm()
{
    if (form_)
        EditorFrame::CloseWindowOf(*form_);
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
}

} // namespace qtr::gui
