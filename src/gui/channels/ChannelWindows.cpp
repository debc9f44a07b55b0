#include "channels/ChannelWindows.h"

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/ProgrammerApp.h"
#include "channels/CChEditView.h"
#include "channels/CChInfoFrm.h"
#include "channels/CChInfoView.h"
#include "channels/CChildFrame.h"
#include "channels/CTestFreqFrame.h"
#include "channels/ChannelCopyDialog.h"
#include "channels/FrequencyCopyDialog.h"
#include "channels/ToneCopyDialog.h"

#include <QKeyEvent>

namespace qtr::gui {

namespace {

constexpr int kGridTopic = 150;
constexpr int kFormTopic = 160;
constexpr int kTestFrequencyTopic = 157;

} // namespace

void ChannelWindows::Register(CMainFrame& frame)
{
    auto* windows = new ChannelWindows(frame);
    frame.RegisterEditor(command::kChannelInformation, kGridTopic, [windows](CMainFrame&) { return windows->MakeGrid(); });
    frame.RegisterEditor(command::kChannelEdit, kFormTopic, [windows](CMainFrame&) { return windows->MakeForm(); });
    frame.RegisterEditor(command::kTestFrequency, kTestFrequencyTopic,
                         [](CMainFrame& main) { return new CTestFreqFrame(main.App(), main.Help()); });
}

ChannelCommand ChannelWindows::CommandForKey(const QKeyEvent& key, ChannelWindow window)
{
    const QString portable = QKeySequence(key.keyCombination()).toString(QKeySequence::PortableText);
    return ChannelCommandForKey(portable.toStdString(), window);
}

ChannelWindows::ChannelWindows(CMainFrame& frame)
    : QObject(&frame), frame_(frame), commits_(frame.App().channels, frame.App().codec, frame.App().prompter)
{
}

ProgrammerApp& ChannelWindows::App()
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
        if (CChInfoView* grid = Grid())
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

CChInfoView* ChannelWindows::Grid() const
{
    return grid_ ? &grid_->View() : nullptr;
}

CChEditView* ChannelWindows::Form() const
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
    if (CChInfoView* grid = Grid())
        grid->RefreshRow(slot);
}

void ChannelWindows::RefreshAllGridRows()
{
    if (CChInfoView* grid = Grid())
        grid->RefreshAllRows();
}

void ChannelWindows::RefreshForm()
{
    if (CChEditView* form = Form())
        form->ShowChannel();
}

void ChannelWindows::RunCopyCommand(ChannelCommand command, ChannelWindow from, QWidget& parent)
{
    ProgrammerApp& app = App();
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
