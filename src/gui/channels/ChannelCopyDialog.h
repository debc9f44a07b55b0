#pragma once

#include <QDialog>

namespace qtr {
class ChannelCommits;
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
    ChannelCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int sourceSlot,
                      QWidget* parent = nullptr);

    ChannelNumberSpin& Target() const { return *target_; }

private:
    void Copy();

    ChannelCommits& commits_;
    int source_;
    ChannelNumberSpin* target_;
};

} // namespace qtr::gui
