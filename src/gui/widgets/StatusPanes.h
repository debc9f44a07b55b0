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
// language) and time refreshed every second; all three at once after a language change. Each
// pane is as wide as its text.
class StatusPanes : public QObject {
    Q_OBJECT
public:
    StatusPanes(QStatusBar& bar, const Clock& clock, const MessageCatalog& catalog, ImageNotifier& notices);

    void ShowPort(int port);
    // A note shown after the name of one port, as "COM1 (simulated radio)", in the
    // program's language, also after a language change.
    void NotePort(int port, int noteId);
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
    int shownPort_ = 0;
    int notedPort_ = 0;
    int portNoteId_ = 0;
    QTimer timer_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
