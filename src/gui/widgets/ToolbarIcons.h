#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace qtr::gui {

// The program's pictures, drawn rather than shipped: the toolbar buttons (an empty
// icon for a command without one) and the application icon, a hand-held radio.
QIcon CommandIcon(int commandId);
QIcon ApplicationIcon();
// A square picture of `size` pixels drawn on a transparent ground, outlines in the
// pictures' one colour.
QIcon PaintIcon(int size, qreal penWidth, const std::function<void(QPainter&)>& draw);

} // namespace qtr::gui
