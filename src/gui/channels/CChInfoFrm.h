#pragma once

#include "gui/channels/ChannelGridView.h"
#include "gui/channels/EditorFrame.h"

namespace qtr::gui {

class ChannelWindows;

// The child frame of the channel information grid; the edit form closes with it.
class CChInfoFrm : public EditorFrame {
    Q_OBJECT
public:
    explicit CChInfoFrm(ChannelWindows& windows);

    ChannelGridView& View() const { return static_cast<ChannelGridView&>(ViewWidget()); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChannelWindows& windows_;
};

} // namespace qtr::gui
