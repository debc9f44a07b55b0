#pragma once

#include <QWidget>

namespace qtr::gui {

// The frame of one editor view in its child window: it holds the view, takes its title
// and passes the focus on to it.
class EditorFrame : public QWidget {
    Q_OBJECT
public:
    // Takes the view over.
    explicit EditorFrame(QWidget& view);

    // Closes the editor window that holds the widget.
    static void CloseWindowOf(QWidget& widget);

signals:
    // The frame agreed to close: its view must not be asked to show anything any more.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

    QWidget& ViewWidget() const { return view_; }
    // The main window is going at exit and takes its windows with it: nothing may be asked
    // or stored any more.
    bool ClosingWithProgram() const { return !window()->isVisible(); }

private:
    QWidget& view_;
};

} // namespace qtr::gui
