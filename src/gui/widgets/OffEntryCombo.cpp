#include "gui/widgets/OffEntryCombo.h"

#include <QKeyEvent>

namespace qtr::gui {

void OffEntryCombo::keyPressEvent(QKeyEvent* event)
{
    const bool clearKey = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    if (!clearKey || isEditable() || count() == 0) {
        WidePopupCombo::keyPressEvent(event);
        return;
    }
    setCurrentIndex(0);
    emit activated(0);
}

} // namespace qtr::gui
