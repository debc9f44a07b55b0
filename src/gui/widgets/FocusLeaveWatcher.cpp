#include "gui/widgets/FocusLeaveWatcher.h"

#include <QFocusEvent>
#include <QWidget>

namespace qtr::gui {

void FocusLeaveWatcher::Watch(QWidget& widget)
{
    widget.installEventFilter(this);
}

bool FocusLeaveWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            emit Left(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qtr::gui
