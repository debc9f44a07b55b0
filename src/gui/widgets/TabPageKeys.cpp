#include "gui/widgets/TabPageKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

namespace qtr::gui {

TabPageKeys::TabPageKeys(QTabWidget& tabs, QWidget& scope) : QObject(&scope), tabs_(tabs), scope_(scope)
{
    QApplication::instance()->installEventFilter(this);
    connect(&tabs_, &QTabWidget::currentChanged, this, &TabPageKeys::PageShown);
    PageShown();
}

bool TabPageKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    if (!scope_.isAncestorOf(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    return StepPage(*event) || (event->type() == QEvent::KeyPress && KeepOffHiddenPages()) ||
           QObject::eventFilter(watched, event);
}

bool TabPageKeys::StepPage(QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    const bool pageKey = (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && (key.modifiers() & Qt::ControlModifier);
    if (!pageKey)
        return false;
    event.accept();
    if (event.type() == QEvent::KeyPress) {
        const bool back = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
        const int count = tabs_.count();
        tabs_.setCurrentIndex((tabs_.currentIndex() + (back ? count - 1 : 1)) % count);
    }
    return true;
}

// The window's focus may stand on a control of the page just hidden (or one restored from
// before the page changed); it goes to the shown page, whose first control `scope` also
// hands the focus to when its window is activated.
void TabPageKeys::PageShown()
{
    QWidget* first = FirstControlOfShownPage();
    if (!first)
        return;
    scope_.setFocusProxy(first);
    const QWidget* focus = scope_.window()->focusWidget();
    if (scope_.isAncestorOf(focus) && !focus->isVisible())
        first->setFocus(Qt::OtherFocusReason);
}

bool TabPageKeys::KeepOffHiddenPages()
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus->isVisible())
        return false;
    if (QWidget* first = FirstControlOfShownPage())
        first->setFocus(Qt::OtherFocusReason);
    return true;
}

// The first control of the shown page that Tab would stop at.
QWidget* TabPageKeys::FirstControlOfShownPage() const
{
    QWidget* page = tabs_.currentWidget();
    if (!page)
        return nullptr;
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        const bool takesTab = (next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && !next->focusProxy();
        if (page->isAncestorOf(next) && takesTab && next->isVisibleTo(page))
            return next;
    }
    return nullptr;
}

} // namespace qtr::gui
