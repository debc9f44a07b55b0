#include "gui/features/TreeViewIcons.h"

#include "gui/widgets/ToolbarIcons.h"

#include <QPainter>

#include <functional>

namespace qtr::gui {

namespace {

QIcon Paint(const std::function<void(QPainter&)>& draw)
{
    return PaintIcon(kTreeIconSize, 1, draw);
}

} // namespace

// A hand-held radio: antenna, body, display and keys.
QIcon TreeModelIcon()
{
    return Paint([](QPainter& p) {
        p.setBrush(QColor(60, 64, 72));
        p.drawRect(QRectF(5.5, 0.5, 2, 4));
        p.drawRoundedRect(QRectF(3.5, 4.5, 8, 10), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 210, 150));
        p.drawRect(QRectF(5, 6, 5, 3));
        p.setBrush(QColor(210, 210, 210));
        for (int column = 0; column < 2; ++column)
            p.drawRect(QRectF(5 + column * 3, 10.5, 2, 2));
    });
}

// A form with a title bar and three lines of fields.
QIcon TreeEditorIcon()
{
    return Paint([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 12, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(52, 101, 164));
        p.drawRect(QRectF(2, 2, 11, 3));
        p.setBrush(QColor(140, 140, 150));
        for (int line = 0; line < 3; ++line)
            p.drawRect(QRectF(4, 6.5 + line * 2.3, 7 - (line % 2) * 2, 1.2));
    });
}

} // namespace qtr::gui
