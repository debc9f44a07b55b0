#pragma once

#include <QDialog>

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class ChannelNumberSpin;

// Channel Copy: copies the channel it was opened on to a target channel, as often as the
// user likes; a programmed target is overwritten, a copy onto the channel itself does nothing.
class ChannelCopyDialog : public QDialog {
    Q_OBJECT
public:
    ChannelCopyDialog(Workspace& app, HelpViewer& help, int sourceSlot, QWidget* parent = nullptr);

    ChannelNumberSpin& Target() const { return *target_; }

signals:
    void Copied();

private:
    void Copy();

    Workspace& app_;
    int source_;
    ChannelNumberSpin* target_;
};

} // namespace qtr::gui
