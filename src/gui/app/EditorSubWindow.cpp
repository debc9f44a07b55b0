#include "gui/app/EditorSubWindow.h"

#include <QCloseEvent>

namespace qtr::gui {

EditorSubWindow::EditorSubWindow(int commandId, QWidget* editor) : commandId_(commandId)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(editor);
    setWindowTitle(editor->windowTitle());
    setWindowIcon(editor->windowIcon());
    connect(editor, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
}

void EditorSubWindow::closeEvent(QCloseEvent* event)
{
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed(commandId_);
}

} // namespace qtr::gui
