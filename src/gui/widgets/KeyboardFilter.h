#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace qtr {
class HelpViewer;
}

namespace qtr::gui {

// The keys every window answers alike, so that no window writes them again.
// F1 opens the help that the focused control carries, or else the nearest widget above it:
// a help topic, or a context id that the help looks up. A window without one leaves F1 to
// the main window. Enter on a control marked for it presses a button, or moves on as Tab
// does, once the window has committed the control.
// One filter serves a window: Of() makes it on first use.
class KeyboardFilter : public QObject {
    Q_OBJECT
public:
    // Told before Enter moves on from a control; false keeps the focus where the window
    // left it (a refused value, or a place of its own to go to).
    using BeforeMovingOn = std::function<bool(QWidget& control)>;

    static KeyboardFilter& Of(QWidget& window, HelpViewer& help);
    // The window's filter, with F1 opening `topic` wherever no control has help of its own.
    static KeyboardFilter& WithHelpTopic(QWidget& window, HelpViewer& help, int topic);

    static void SetHelpTopic(QWidget& widget, int topic);
    static void SetContextHelp(QWidget& widget, int contextId);

    void MoveOnEnter(QWidget& control);
    void OnEnter(BeforeMovingOn beforeMovingOn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyboardFilter(QWidget& window, HelpViewer& help);

    bool HelpKey(QObject* watched, QKeyEvent& key);
    bool EnterKey(QWidget& control);

    QWidget& window_;
    HelpViewer& help_;
    BeforeMovingOn beforeMovingOn_;
};

} // namespace qtr::gui
