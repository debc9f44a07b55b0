#include "gui/widgets/TabPageKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

namespace qtr::gui {

TabPageKeys::TabPageKeys(QTabWidget& tabs, QWidget& scope) : QObject(&scope), tabs_(tabs), scope_(scope)
{
    QApplication::instance()->installEventFilter(this);
}

bool TabPageKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool pageKey = (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && (key.modifiers() & Qt::ControlModifier);
    if (!pageKey || !scope_.isAncestorOf(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        const bool back = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
        const int count = tabs_.count();
        tabs_.setCurrentIndex((tabs_.currentIndex() + (back ? count - 1 : 1)) % count);
    }
    return true;
}

} // namespace qtr::gui
