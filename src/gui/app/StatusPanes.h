#pragma once

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace qtr {
class Clock;
}

namespace qtr::gui {

// The status bar's panes: the serial port, and the date and time refreshed every second.
// Each pane is as wide as its text.
class StatusPanes : public QObject {
    Q_OBJECT
public:
    StatusPanes(QStatusBar& bar, const Clock& clock);

    void ShowPort(int port);
    // A note shown after the name of one port, as "COM1 (simulated radio)".
    void NotePort(int port, const QString& note);
    QString PortText() const;
    QString DateText() const;
    QString TimeText() const;

private:
    void ShowTime();
    void SetText(QLabel* pane, const std::string& text);

    const Clock& clock_;
    QLabel* port_;
    QLabel* date_;
    QLabel* time_;
    int notedPort_ = 0;
    QString portNote_;
    QTimer timer_;
};

} // namespace qtr::gui
