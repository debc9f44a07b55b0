#pragma once

#include "core/base/ImageNotifier.h"

#include <QObject>

namespace qtr::gui {

class MainWindow;

// Edit > Undo and Redo on the program's edit history: the menu names the step each would
// take and offers it only when there is one.
class EditHistoryCommands : public QObject {
    Q_OBJECT
public:
    static void Register(MainWindow& frame);

    explicit EditHistoryCommands(MainWindow& frame);

private:
    void ShowSteps();

    MainWindow& frame_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
