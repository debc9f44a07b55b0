#pragma once

#include "gui/channels/FieldCopyDialog.h"

namespace qtr::gui {

class FrequencyEdit;

// Frequency Copy: sets the channel's transmit frequency, proposing its receive frequency.
class FrequencyCopyDialog : public FieldCopyDialog {
    Q_OBJECT
public:
    FrequencyCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot,
                        QWidget* parent = nullptr);

    FrequencyEdit& Transmit() const { return *transmit_; }

private:
    void Store(ChannelCommits& commits, int slot) override;

    FrequencyEdit* transmit_;
};

} // namespace qtr::gui
