#include "channels/CChildFrame.h"

namespace qtr::gui {

CChildFrame::CChildFrame(ChannelWindows& windows) : EditorFrame(*new CChEditView(windows))
{
}

} // namespace qtr::gui
