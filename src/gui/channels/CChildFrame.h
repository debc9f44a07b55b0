#pragma once

#include "channels/CChEditView.h"
#include "channels/EditorFrame.h"

namespace qtr::gui {

class ChannelWindows;

// The child frame of the channel edit form.
class CChildFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit CChildFrame(ChannelWindows& windows);

    CChEditView& View() const { return static_cast<CChEditView&>(ViewWidget()); }
};

} // namespace qtr::gui
