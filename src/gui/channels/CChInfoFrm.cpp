#include "channels/CChInfoFrm.h"

#include "channels/ChannelWindows.h"

#include <QCloseEvent>

namespace qtr::gui {

CChInfoFrm::CChInfoFrm(ChannelWindows& windows) : EditorFrame(*new CChInfoView(windows)), windows_(windows)
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
