#pragma once

#include <QMdiSubWindow>

class QScrollArea;

namespace qtr::gui {

// The window of one editor view in the main window's client area, marked with the command
// that opened it. The view scrolls inside it, takes the window with it when it grows, and
// decides itself whether it may close.
class EditorSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    EditorSubWindow(int commandId, QWidget* view);

    int CommandId() const { return commandId_; }
    QWidget* View() const { return view_; }
    QScrollArea* ScrollArea() const;

    // Closes the editor window that holds the widget.
    static void CloseWindowOf(QWidget& widget);
    // The main window is going at exit and takes its windows with it: a view must not ask
    // or store anything any more.
    static bool ClosingWithProgram(const QWidget& view) { return !view.window()->isVisible(); }

signals:
    // The view agreed to close; the window is about to go.
    void Closed(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LeaveCommandShortcutsToTheMainWindow();

    int commandId_;
    QWidget* view_;
};

} // namespace qtr::gui
