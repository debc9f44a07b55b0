#pragma once

#include <QMdiSubWindow>

namespace qtr::gui {

// The child frame of one editor in the main window, marked with the command that opened it.
class EditorSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    EditorSubWindow(int commandId, QWidget* editor);

    int CommandId() const { return commandId_; }

signals:
    // The editor agreed to close; the window is about to go.
    void Closed(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int commandId_;
};

} // namespace qtr::gui
