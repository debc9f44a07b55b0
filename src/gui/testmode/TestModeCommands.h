#pragma once

#include "gui/testmode/TestModeSeams.h"

#include <QObject>

namespace qtr {
class RadioLink;
}

namespace qtr::gui {

class CommandWindow;

// Test Mode (Ctrl+T): puts the radio into test mode and shows the panel until it closes;
// the port is closed afterwards.
class TestModeCommands : public QObject {
    Q_OBJECT
public:
    static void Register(CommandWindow& frame, RadioLink& link, const TestModeSeams& seams = {});

    TestModeCommands(CommandWindow& frame, RadioLink& link, const TestModeSeams& seams);

private:
    void Run();

    CommandWindow& frame_;
    RadioLink& link_;
    TestModeSeams seams_;
};

} // namespace qtr::gui
