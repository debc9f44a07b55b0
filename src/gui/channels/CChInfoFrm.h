#pragma once

#include "channels/CChInfoView.h"
#include "channels/EditorFrame.h"

namespace qtr::gui {

class ChannelWindows;

// The child frame of the channel information grid; the edit form closes with it.
class CChInfoFrm : public EditorFrame {
    Q_OBJECT
public:
    explicit CChInfoFrm(ChannelWindows& windows);

    CChInfoView& View() const { return static_cast<CChInfoView&>(ViewWidget()); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChannelWindows& windows_;
};

} // namespace qtr::gui
