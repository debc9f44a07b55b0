#include "gui/channels/CChildFrame.h"

namespace qtr::gui {

CChildFrame::CChildFrame(ChannelWindows& windows) : EditorFrame(*new ChannelFormView(windows))
{
}

} // namespace qtr::gui
