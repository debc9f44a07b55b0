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

protected:
    // A text field takes the undo and redo keys only while it has typing of its own to undo
    // or redo; otherwise they undo and redo the editors' commits.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSteps();

    MainWindow& frame_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
