#include "gui/features/RadioKeysPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace qtr::gui {

namespace {

// The drawing is made on a 120 x 260 grid and scaled to the widget.
constexpr qreal kGridWidth = 120;
constexpr qreal kGridHeight = 260;
const QRectF kBody(34, 48, 64, 200);
const QRectF kPf1Key(26, 118, 10, 30);
const QRectF kPf2Key(26, 156, 10, 30);
const QRectF kPttKey(26, 80, 10, 30);

} // namespace

RadioKeysPicture::RadioKeysPicture(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize RadioKeysPicture::sizeHint() const
{
    return {static_cast<int>(kGridWidth), static_cast<int>(kGridHeight)};
}

void RadioKeysPicture::Highlight(Key key)
{
    if (key == highlighted_)
        return;
    highlighted_ = key;
    update();
}

void RadioKeysPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / kGridWidth, height() / kGridHeight);
    DrawBody(painter);
    DrawKey(painter, Key::Pf1, kPf1Key, QStringLiteral("PF1"));
    DrawKey(painter, Key::Pf2, kPf2Key, QStringLiteral("PF2"));
}

void RadioKeysPicture::DrawBody(QPainter& painter) const
{
    const QPalette& colours = palette();
    const QColor casing = colours.color(QPalette::Dark);
    painter.setPen(QPen(colours.color(QPalette::Shadow), 1.5));
    // Antenna and the channel knob on top.
    painter.setBrush(casing.darker(130));
    painter.drawRoundedRect(QRectF(76, 6, 10, 46), 4, 4);
    painter.drawRoundedRect(QRectF(46, 30, 16, 20), 3, 3);
    // The case, the speaker grille and the push-to-talk bar.
    painter.setBrush(casing);
    painter.drawRoundedRect(kBody, 12, 12);
    painter.setPen(QPen(casing.darker(160), 2));
    for (qreal y = 70; y <= 130; y += 10)
        painter.drawLine(QPointF(48, y), QPointF(84, y));
    painter.setPen(QPen(colours.color(QPalette::Shadow), 1.5));
    painter.setBrush(casing.darker(140));
    painter.drawRoundedRect(kPttKey, 3, 3);
}

void RadioKeysPicture::DrawKey(QPainter& painter, Key key, const QRectF& shape, const QString& name) const
{
    const QPalette& colours = palette();
    const bool lit = key == highlighted_;
    painter.setPen(QPen(colours.color(QPalette::Shadow), 1.5));
    painter.setBrush(lit ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid));
    painter.drawRoundedRect(shape, 3, 3);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(lit);
    painter.setFont(font);
    painter.setPen(lit ? colours.color(QPalette::Highlight) : colours.color(QPalette::WindowText));
    painter.drawText(QRectF(0, shape.top(), shape.left() - 2, shape.height()), Qt::AlignRight | Qt::AlignVCenter, name);
}

} // namespace qtr::gui
