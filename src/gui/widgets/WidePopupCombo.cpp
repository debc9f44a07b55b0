#include "gui/widgets/WidePopupCombo.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace qtr::gui {

WidePopupCombo::WidePopupCombo(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

// The entries are measured as the pop-up draws them (with the item margins), and room is
// kept for the scroll bar and the frame, so a long list cuts no entry either.
void WidePopupCombo::showPopup()
{
    QAbstractItemView* list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    QComboBox::showPopup();
}

} // namespace qtr::gui
