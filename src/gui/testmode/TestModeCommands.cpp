#include "gui/testmode/TestModeCommands.h"

#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "core/link/RadioSession.h"
#include "core/testmode/TestModeEntry.h"
#include "gui/widgets/CommandWindow.h"
#include "gui/testmode/TestModePanel.h"

namespace qtr::gui {

void TestModeCommands::Register(CommandWindow& frame, RadioLink& link, const TestModeSeams& seams)
{
    auto* commands = new TestModeCommands(frame, link, seams);
    frame.RegisterCommand(command::kTestMode, [commands](CommandWindow&) { commands->Run(); });
}

TestModeCommands::TestModeCommands(CommandWindow& frame, RadioLink& link, const TestModeSeams& seams)
    : QObject(&frame), frame_(frame), link_(link), seams_(seams)
{
}

void TestModeCommands::Run()
{
    Workspace& app = frame_.App();
    RadioSession session(link_, app.prompter, app.catalog);
    testmode::TestModeValues values;
    if (!testmode::TestModeEntry(session, &app.state.image, values).Run())
        return;
    testmode::TestModePanelModel model(session, app.state.image, values);
    TestModePanel panel(model, app.catalog, frame_.Help(), seams_, &frame_);
    panel.Run();
    // A panel that the program's end (a logout) took away still unkeys and ends test mode.
    model.CloseFromWindowManager();
    model.Finish();
}

} // namespace qtr::gui
