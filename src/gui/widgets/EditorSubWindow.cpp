#include "gui/widgets/EditorSubWindow.h"

#include "core/app/CommandTable.h"
#include "gui/widgets/EditorScrollArea.h"

#include <QCloseEvent>
#include <QMenu>
#include <QResizeEvent>

namespace qtr::gui {

EditorSubWindow::EditorSubWindow(int commandId, QWidget* view) : commandId_(commandId), view_(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(new EditorScrollArea(view));
    setWindowTitle(view->windowTitle());
    setWindowIcon(view->windowIcon());
    connect(view, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    view->installEventFilter(this);
    LeaveCommandShortcutsToTheMainWindow();
}

QScrollArea* EditorSubWindow::ScrollArea() const
{
    return static_cast<QScrollArea*>(widget());
}

// The window menu's own keys (Close is Ctrl+W on some desktops) would make the main
// window's commands ambiguous while an editor has the focus.
void EditorSubWindow::LeaveCommandShortcutsToTheMainWindow()
{
    for (QAction* action : systemMenu()->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& keys : action->shortcuts())
            if (!IsCommandShortcut(keys.toString(QKeySequence::PortableText).toStdString()))
                kept << keys;
        action->setShortcuts(kept);
    }
}

void EditorSubWindow::CloseWindowOf(QWidget& widget)
{
    QWidget* window = &widget;
    while (window->parentWidget() && !qobject_cast<QMdiSubWindow*>(window))
        window = window->parentWidget();
    window->close();
}

void EditorSubWindow::closeEvent(QCloseEvent* event)
{
    if (!view_->close()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed(commandId_);
}

// A view that grows (a grid column widened for a longer text) takes its window with it,
// unless the window showed only part of it anyway.
bool EditorSubWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Resize) {
        const auto& change = *static_cast<QResizeEvent*>(event);
        const QSize shown = ScrollArea()->viewport()->size();
        if (change.oldSize().isValid() && shown.width() >= change.oldSize().width() &&
            shown.height() >= change.oldSize().height())
            resize(size().expandedTo(sizeHint()));
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

} // namespace qtr::gui
