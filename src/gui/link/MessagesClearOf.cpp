#include "gui/link/MessagesClearOf.h"

#include "core/app/WindowArrangement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QScreen>

namespace qtr::gui {

MessagesClearOf::MessagesClearOf(QWidget& window) : window_(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

MessagesClearOf::~MessagesClearOf()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

QPoint MessagesClearOf::ClearPosition(const QRect& avoid, const QSize& size, const QRect& screen)
{
    const auto rect = [](const QRect& r) { return WindowRect{r.x(), r.y(), r.width(), r.height()}; };
    const WindowPoint place = PlaceClearOf(rect(avoid), {size.width(), size.height()}, rect(screen));
    return {place.left, place.top};
}

bool MessagesClearOf::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box != nullptr && box->isWindow())
            MoveClear(*box);
    }
    return false;
}

void MessagesClearOf::MoveClear(QWidget& box) const
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return;
    box.adjustSize();
    // A window's position is that of its frame.
    box.move(ClearPosition(window_.frameGeometry(), box.frameGeometry().size(), screen->availableGeometry()));
}

} // namespace qtr::gui
