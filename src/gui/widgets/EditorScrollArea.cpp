#include "gui/widgets/EditorScrollArea.h"

namespace qtr::gui {

EditorScrollArea::EditorScrollArea(QWidget* view)
{
    setFrameShape(QFrame::NoFrame);
    setWidget(view);
    setFocusProxy(view);
}

QSize EditorScrollArea::sizeHint() const
{
    return widget()->sizeHint().expandedTo(widget()->size());
}

} // namespace qtr::gui
