#include "gui/widgets/ToolbarIcons.h"

#include "core/app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace qtr::gui {

namespace {

constexpr int kSize = 32;
const QColor kOutline(70, 70, 80);

using Drawing = std::function<void(QPainter&)>;

QIcon Paint(const Drawing& draw)
{
    return PaintIcon(kSize, 1.5, draw);
}

void Page(QPainter& p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{19, 3}, {19, 9}, {25, 9}}));
}

void Folder(QPainter& p)
{
    p.setBrush(QColor(232, 184, 64));
    p.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {28, 11}, {28, 26}, {3, 26}}));
    p.setBrush(QColor(250, 212, 102));
    p.drawPolygon(QPolygonF({{3, 26}, {7, 15}, {31, 15}, {28, 26}}));
}

void Disk(QPainter& p)
{
    p.setBrush(QColor(52, 101, 164));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void Radio(QPainter& p)
{
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(QRectF(9, 9, 14, 21), 3, 3);
    p.drawRect(QRectF(12, 1, 3, 8));
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRectF(11.5, 12, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 210));
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawEllipse(QRectF(11.5 + column * 3.2, 21 + row * 3.5, 2, 2));
}

void Arrow(QPainter& p, bool up, const QColor& colour)
{
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    const double tip = up ? 14 : 30;
    const double base = 22;
    const double tail = up ? 30 : 14;
    p.drawPolygon(QPolygonF({{27, tip}, {21, base}, {25, base}, {25, tail}, {29, tail}, {29, base}, {33, base}}));
}

void RadioWithArrow(QPainter& p, bool up, const QColor& colour)
{
    p.translate(-5, 0);
    Radio(p);
    p.translate(3, 0);
    Arrow(p, up, colour);
}

void Printer(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 12));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(3, 13, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 20, 14, 9));
}

void Information(QPainter& p)
{
    p.setBrush(QColor(52, 101, 164));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

} // namespace

QIcon PaintIcon(int size, qreal penWidth, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, penWidth));
    draw(painter);
    return QIcon(pixmap);
}

QIcon CommandIcon(int commandId)
{
    using namespace command;
    static const std::map<int, Drawing> drawings{
        {kNew, Page},
        {kOpen, Folder},
        {kSave, Disk},
        {kReadFromRadio, [](QPainter& p) { RadioWithArrow(p, false, QColor(78, 154, 6)); }},
        {kWriteToRadio, [](QPainter& p) { RadioWithArrow(p, true, QColor(204, 0, 0)); }},
        {kPrint, Printer},
        {kAbout, Information},
    };
    const auto found = drawings.find(commandId);
    return found == drawings.end() ? QIcon() : Paint(found->second);
}

QIcon ApplicationIcon()
{
    return Paint(Radio);
}

} // namespace qtr::gui
