#include "gui/link/MessagesClearOf.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace qtr::gui {

namespace {

constexpr int kGap = 8;

} // namespace

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
    const int centredX = std::clamp(avoid.center().x() - size.width() / 2, screen.left(),
                                    std::max(screen.left(), screen.right() + 1 - size.width()));
    const int centredY = std::clamp(avoid.center().y() - size.height() / 2, screen.top(),
                                    std::max(screen.top(), screen.bottom() + 1 - size.height()));
    const QPoint candidates[] = {
        {centredX, avoid.bottom() + 1 + kGap},
        {centredX, avoid.top() - kGap - size.height()},
        {avoid.right() + 1 + kGap, centredY},
        {avoid.left() - kGap - size.width(), centredY},
    };
    for (const QPoint& candidate : candidates)
        if (screen.contains(QRect(candidate, size)))
            return candidate;
    return {centredX, std::min(avoid.bottom() + 1 + kGap, std::max(screen.top(), screen.bottom() + 1 - size.height()))};
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
