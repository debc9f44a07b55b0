#include "gui/channels/CChInfoFrm.h"

#include "gui/channels/ChannelWindows.h"

#include <QCloseEvent>

namespace qtr::gui {

CChInfoFrm::CChInfoFrm(ChannelWindows& windows) : EditorFrame(*new ChannelGridView(windows)), windows_(windows)
{
}

void CChInfoFrm::closeEvent(QCloseEvent* event)
{
    if (!ClosingWithProgram())
        View().FinishEdit();
    windows_.CloseForm();
    EditorFrame::closeEvent(event);
}

} // namespace qtr::gui
