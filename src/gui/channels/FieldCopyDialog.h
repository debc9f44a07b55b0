#pragma once

#include <QDialog>

namespace qtr {
class ChannelCommits;
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

// The frame of Frequency Copy and QT/DQT Copy: one field of the channel shown, the field
// it is copied to proposed from it, and OK, Close and Help; OK stores and closes.
class FieldCopyDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        int titleId;
        int fromLabelId;
        int toLabelId;
        int helpTopic;
    };

    void accept() override;

protected:
    FieldCopyDialog(Workspace& app, HelpViewer& help, ChannelCommits& commits, int slot, const Texts& texts,
                    QWidget* parent);

    // Shows the channel's field and, with the focus, the field it is copied to.
    void LayOut(const QString& fromText, QWidget& toField);
    virtual void Store(ChannelCommits& commits, int slot) = 0;

private:
    Workspace& app_;
    HelpViewer& help_;
    ChannelCommits& commits_;
    int slot_;
    Texts texts_;
};

} // namespace qtr::gui
