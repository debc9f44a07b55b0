#include "gui/app/MemoryMapCommand.h"

#include "core/app/CommandIds.h"
#include "core/app/MemoryMap.h"
#include "core/app/Workspace.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MemoryMapDialog.h"

namespace qtr::gui {

namespace {

void RunMemoryMap(MainWindow& frame)
{
    Workspace& app = frame.App();
    MemoryMapDialog dialog(app.state.image, app.catalog, app.prompter, &frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    memorymap::WriteImage(app.state, dialog.Bytes());
    frame.CloseAllEditors();
    frame.PostChannelInformation();
}

} // namespace

void RegisterMemoryMap(MainWindow& frame)
{
    frame.RegisterCommand(command::kMemoryMap, [&frame](CommandWindow&) { RunMemoryMap(frame); });
}

} // namespace qtr::gui
