#include "gui/features/TreeViewCommand.h"

#include "core/app/CommandIds.h"
#include "gui/widgets/CommandWindow.h"
#include "gui/widgets/MdiClientArea.h"
#include "gui/features/TreeViewWindow.h"

namespace qtr::gui {

namespace {

// Below the top of the client area, clear of the toolbar.
constexpr int kOffsetDown = 26;

} // namespace

void TreeViewCommand::Register(CommandWindow& frame)
{
    auto* command = new TreeViewCommand(frame);
    frame.RegisterCommand(command::kTreeView, [command](CommandWindow&) { command->Open(); });
    connect(&frame, &CommandWindow::AllEditorsClosed, command, &TreeViewCommand::Close);
}

TreeViewCommand::TreeViewCommand(CommandWindow& frame) : QObject(&frame), frame_(frame) {}

TreeViewWindow* TreeViewCommand::Window() const
{
    return window_;
}

void TreeViewCommand::Open()
{
    if (window_)
        return;
    window_ = new TreeViewWindow(frame_, frame_.Help());
    Place();
    window_->show();
}

void TreeViewCommand::Close()
{
    if (window_)
        window_->close();
}

// At the right edge of the client area, where the editors, which open at the left, leave room.
void TreeViewCommand::Place()
{
    const QWidget& client = *frame_.ClientArea();
    const QSize size = window_->sizeHint();
    const QPoint corner = client.mapToGlobal(QPoint(std::max(0, client.width() - size.width()), kOffsetDown));
    window_->move(corner);
}

} // namespace qtr::gui
