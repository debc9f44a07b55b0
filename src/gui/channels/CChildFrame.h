#pragma once

#include "gui/channels/ChannelFormView.h"
#include "gui/channels/EditorFrame.h"

namespace qtr::gui {

class ChannelWindows;

// The child frame of the channel edit form.
class CChildFrame : public EditorFrame {
    Q_OBJECT
public:
    explicit CChildFrame(ChannelWindows& windows);

    ChannelFormView& View() const { return static_cast<ChannelFormView&>(ViewWidget()); }
};

} // namespace qtr::gui
