#pragma once

#include <QScrollArea>

namespace qtr::gui {

// Holds an editor view in its window: the window asks for the whole view, and when it is
// made smaller (tiled) the view scrolls instead of being cut off.
class EditorScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit EditorScrollArea(QWidget* view);

    QSize sizeHint() const override;
};

} // namespace qtr::gui
