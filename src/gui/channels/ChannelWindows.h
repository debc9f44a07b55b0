#pragma once

#include "core/channels/ChannelCommand.h"
#include "core/base/ImageNotifier.h"
#include "core/channels/ChannelCommits.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QDialog;
class QKeyEvent;

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class ChannelFormView;
class ChannelGridView;
class CommandWindow;

// What the channel windows share: the current channel (the grid and the edit form always
// show the same one), the way to each other through the main window, the copy dialogs
// both of them open, and showing the channels again whenever the image notices say they
// changed.
class ChannelWindows : public QObject {
    Q_OBJECT
public:
    static ChannelCommand CommandForKey(const QKeyEvent& key, ChannelWindow window);

    ChannelWindows(Workspace& app, HelpViewer& help, CommandWindow& frame);

    // The views of the channel information grid and the channel edit form.
    ChannelGridView* MakeGrid();
    ChannelFormView* MakeForm();

    Workspace& App() { return app_; }
    HelpViewer& Help() { return help_; }
    ChannelCommits& Commits() { return commits_; }

    int CurrentSlot() const { return slot_; }
    // The window `from` moved to the slot; the other one follows.
    void SelectSlot(int slot, ChannelWindow from);

    ChannelGridView* Grid() const;
    ChannelFormView* Form() const;
    void OpenForm();
    void CloseForm();
    // The windows agreed to close: they must not be asked to show anything any more.
    void GridClosed();
    void FormClosed();

    // A copy dialog on the current channel, when the command applies to it; what it stores
    // is one edit named after the command.
    void RunCopyCommand(ChannelCommand command, ChannelWindow from, QWidget& parent);

private:
    std::unique_ptr<QDialog> MakeCopyDialog(ChannelCommand command, QWidget& parent);
    void RefreshAllGridRows();
    void RefreshForm();

    Workspace& app_;
    HelpViewer& help_;
    CommandWindow& frame_;
    ChannelCommits commits_;
    int slot_ = 0;
    // Kept here rather than asked of the main window, which may be going already when
    // its windows close.
    QPointer<ChannelGridView> grid_;
    QPointer<ChannelFormView> form_;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
