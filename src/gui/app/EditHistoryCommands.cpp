#include "gui/app/EditHistoryCommands.h"

#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "gui/app/CatalogText.h"
#include "gui/app/MainWindow.h"

#include <QAction>

namespace qtr::gui {

namespace {

constexpr int kUndoTextId = 3900800;
constexpr int kRedoTextId = 3900801;

} // namespace

void EditHistoryCommands::Register(MainWindow& frame)
{
    auto* commands = new EditHistoryCommands(frame);
    frame.RegisterCommand(command::kUndo, [](MainWindow& window) { window.App().history.Undo(); });
    frame.RegisterCommand(command::kRedo, [](MainWindow& window) { window.App().history.Redo(); });
    commands->ShowSteps();
}

EditHistoryCommands::EditHistoryCommands(MainWindow& frame) : QObject(&frame), frame_(frame)
{
    connect(&frame, &MainWindow::MenusRebuilt, this, &EditHistoryCommands::ShowSteps);
    connect(&frame, &MainWindow::CommandHandled, this, &EditHistoryCommands::ShowSteps);
    notices_ = frame.App().state.notices.Subscribe([this](const ImageNotice&) { ShowSteps(); });
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
    show(command::kUndo, kUndoTextId, app.history.UndoName(), app.history.CanUndo());
    show(command::kRedo, kRedoTextId, app.history.RedoName(), app.history.CanRedo());
}

} // namespace qtr::gui
