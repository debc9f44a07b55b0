#include "gui/testmode/TuningIndicatorLamp.h"

#include <QPainter>

namespace qtr::gui {

TuningIndicatorLamp::TuningIndicatorLamp(const QColor& colour, const QString& description, QWidget* parent)
    : QWidget(parent), colour_(colour)
{
    setAccessibleName(description);
    setToolTip(description);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TuningIndicatorLamp::sizeHint() const
{
    const int side = fontMetrics().height();
    return {side, side};
}

void TuningIndicatorLamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient glow(lamp.center() - QPointF(lamp.width() / 5, lamp.height() / 5), lamp.width() / 1.5);
    glow.setColorAt(0, colour_.lighter(170));
    glow.setColorAt(1, colour_);
    painter.setPen(QPen(colour_.darker(160), 1));
    painter.setBrush(glow);
    painter.drawEllipse(lamp);
}

} // namespace qtr::gui
