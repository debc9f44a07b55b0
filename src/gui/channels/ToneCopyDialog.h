#pragma once

#include "gui/channels/FieldCopyDialog.h"

namespace qtr::gui {

class ToneCombo;

// QT/DQT Copy: sets the channel's encode tone, proposing its decode tone.
class ToneCopyDialog : public FieldCopyDialog {
    Q_OBJECT
public:
    ToneCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot,
                   QWidget* parent = nullptr);

    ToneCombo& Encode() const { return *encode_; }

private:
    void Store(ChannelCommits& commits, int slot) override;

    ToneCombo* encode_;
};

} // namespace qtr::gui
