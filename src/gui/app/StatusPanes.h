#pragma once

#include "core/base/ImageNotifier.h"

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace qtr {
class Clock;
class MessageCatalog;
} // namespace qtr

namespace qtr::gui {

// The status bar's panes: the serial port, and the date (in the pattern of the program's
// language) and time refreshed every second and at once after a language change. Each
// pane is as wide as its text.
class StatusPanes : public QObject {
    Q_OBJECT
public:
    StatusPanes(QStatusBar& bar, const Clock& clock, const MessageCatalog& catalog, ImageNotifier& notices);

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
    const MessageCatalog& catalog_;
    QLabel* port_;
    QLabel* date_;
    QLabel* time_;
    int notedPort_ = 0;
    QString portNote_;
    QTimer timer_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
