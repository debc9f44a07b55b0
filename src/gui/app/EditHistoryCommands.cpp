#include "gui/app/EditHistoryCommands.h"

#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Menu.h"
#include "gui/app/MainWindow.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace qtr::gui {

namespace {

// The text field that takes a widget's keys: itself, or that of a spin box or an editable list.
QLineEdit* TextFieldOf(QObject* widget)
{
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field;
    if (qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget))
        return widget->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    return nullptr;
}

} // namespace

void EditHistoryCommands::Register(MainWindow& frame)
{
    auto* commands = new EditHistoryCommands(frame);
    frame.RegisterCommand(command::kUndo, [](CommandWindow& window) { window.App().history.Undo(); });
    frame.RegisterCommand(command::kRedo, [](CommandWindow& window) { window.App().history.Redo(); });
    commands->ShowSteps();
}

EditHistoryCommands::EditHistoryCommands(MainWindow& frame) : QObject(&frame), frame_(frame)
{
    connect(&frame, &MainWindow::MenusRebuilt, this, &EditHistoryCommands::ShowSteps);
    connect(&frame, &MainWindow::CommandHandled, this, &EditHistoryCommands::ShowSteps);
    notices_ = frame.App().state.notices.Subscribe([this](const ImageNotice&) { ShowSteps(); });
    qApp->installEventFilter(this);
}

bool EditHistoryCommands::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* field = TextFieldOf(watched);
    if (event->type() != QEvent::ShortcutOverride || field == nullptr || field->window() != frame_.window())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo) && !field->isUndoAvailable();
    const bool redo = key->matches(QKeySequence::Redo) && !field->isRedoAvailable();
    // Left unaccepted, the key goes on to the main window's shortcuts.
    return undo || redo;
}

void EditHistoryCommands::ShowSteps()
{
    const Workspace& app = frame_.App();
    const auto show = [&](int commandId, int textId, const std::string& step, bool possible) {
        QAction* action = frame_.Action(commandId);
        const QString text = CatalogText(app.catalog, textId);
        action->setText(step.empty() ? text : text + ' ' + FromUtf8(step));
        action->setEnabled(possible);
    };
    show(command::kUndo, messages::menu::kUndo, app.history.UndoName(), app.history.CanUndo());
    show(command::kRedo, messages::menu::kRedo, app.history.RedoName(), app.history.CanRedo());
}

} // namespace qtr::gui
