#include "gui/channels/EditorFrame.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace qtr::gui {

EditorFrame::EditorFrame(QWidget& view) : view_(view)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&view);
    setWindowTitle(view.windowTitle());
    connect(&view, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    setFocusProxy(&view);
}

void EditorFrame::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit Closed();
}

// A view that grows (a grid column widened for a longer text) takes its window with it.
bool EditorFrame::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    auto* window = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (event->type() == QEvent::LayoutRequest && window)
        window->resize(window->size().expandedTo(window->sizeHint()));
    return handled;
}

void EditorFrame::CloseWindowOf(QWidget& widget)
{
    QWidget* window = &widget;
    while (window->parentWidget() && !qobject_cast<QMdiSubWindow*>(window))
        window = window->parentWidget();
    window->close();
}

} // namespace qtr::gui
