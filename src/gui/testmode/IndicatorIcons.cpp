#include "gui/testmode/IndicatorIcons.h"

#include <QPainter>
#include <QRadialGradient>

namespace qtr::gui {

namespace {

constexpr int kSize = 16;
constexpr qreal kLampInset = 1.5;

QColor LampColour(Indicator indicator)
{
    switch (indicator) {
    case Indicator::Receive:
        return QColor(0x2e, 0xa0, 0x43);
    case Indicator::Transmit:
        return QColor(0xd0, 0x2b, 0x2b);
    case Indicator::Spacing:
        return QColor(0xe8, 0xa3, 0x17);
    }
    return Qt::gray;
}

} // namespace

// A lit lamp: a disc with a highlight towards the top left and a darker rim.
QPixmap IndicatorPixmap(Indicator indicator)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = LampColour(indicator);
    const QRectF lamp(kLampInset, kLampInset, kSize - 2 * kLampInset, kSize - 2 * kLampInset);
    QRadialGradient light(lamp.center() - QPointF(lamp.width() / 5, lamp.height() / 5), lamp.width() / 1.6);
    light.setColorAt(0, colour.lighter(170));
    light.setColorAt(1, colour);
    painter.setBrush(light);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.drawEllipse(lamp);
    return pixmap;
}

} // namespace qtr::gui
