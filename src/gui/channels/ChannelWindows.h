#pragma once

#include "core/channels/ChannelCommand.h"
#include "core/channels/ChannelCommits.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

class ChannelFormView;
class CChInfoFrm;
class ChannelGridView;
class CChildFrame;
class MainWindow;

// What the channel windows share: the current channel (the grid and the edit form always
// show the same one), the way to each other through the main window, and the copy
// dialogs both of them open.
class ChannelWindows : public QObject {
    Q_OBJECT
public:
    // Registers the channel information grid, the channel edit form and the test
    // frequencies with the main window.
    static void Register(MainWindow& frame);
    static ChannelCommand CommandForKey(const QKeyEvent& key, ChannelWindow window);

    explicit ChannelWindows(MainWindow& frame);

    Workspace& App();
    HelpViewer& Help();
    ChannelCommits& Commits() { return commits_; }

    int CurrentSlot() const { return slot_; }
    // The window `from` moved to the slot; the other one follows.
    void SelectSlot(int slot, ChannelWindow from);

    ChannelGridView* Grid() const;
    ChannelFormView* Form() const;
    void OpenForm();
    void CloseForm();
    void RefreshGridRow(int slot);
    void RefreshAllGridRows();
    void RefreshForm();

    // A copy dialog on the current channel, when the command applies to it.
    void RunCopyCommand(ChannelCommand command, ChannelWindow from, QWidget& parent);

private:
    CChInfoFrm* MakeGrid();
    CChildFrame* MakeForm();

    MainWindow& frame_;
    ChannelCommits commits_;
    int slot_ = 0;
    // Kept here rather than asked of the main window, which may be going already when
    // its windows close.
    QPointer<CChInfoFrm> grid_;
    QPointer<CChildFrame> form_;
};

} // namespace qtr::gui
