#include "gui/program/WindowRegistry.h"

#include "core/app/CommandIds.h"
#include "core/app/Workspace.h"
#include "core/link/RadioSession.h"
#include "core/testmode/TestModeValues.h"
#include "gui/app/EditHistoryCommands.h"
#include "gui/app/MainWindow.h"
#include "gui/app/MemoryMapCommand.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/channels/TestFrequencyView.h"
#include "gui/document/ChannelListCommands.h"
#include "gui/features/DtmfView.h"
#include "gui/features/EmbeddedMessageView.h"
#include "gui/features/KeyAssignmentView.h"
#include "gui/features/OptionalFeaturesView.h"
#include "gui/features/ScanView.h"
#include "gui/features/TreeViewCommand.h"
#include "gui/features/VantalinkView.h"
#include "gui/link/LinkWindows.h"
#include "gui/print/PrintCommands.h"
#include "gui/testmode/TestModeCommands.h"
#include "gui/testmode/TuningProcedureDialogs.h"

#include <QStatusBar>

namespace qtr::gui {

void RegisterAllWindows(MainWindow& window, Workspace& app, HelpViewer& help, RadioLink& link, SoundPlayer& sound)
{
    using namespace command;
    auto* channels = new ChannelWindows(app, help, window);
    window.RegisterEditor(kChannelInformation, [channels](MainWindow&) { return channels->MakeGrid(); });
    window.RegisterEditor(kChannelEdit, [channels](MainWindow&) { return channels->MakeForm(); });
    window.RegisterEditor(kOptionalFeatures, [&app, &help, &sound](MainWindow&) { return new OptionalFeaturesView(app, help, sound); });
    window.RegisterEditor(kKeyAssignment, [&app, &help](MainWindow& frame) { return new KeyAssignmentView(app, help, frame); });
    window.RegisterEditor(kScanInformation, [&app, &help](MainWindow&) { return new ScanView(app, help); });
    window.RegisterEditor(kTestFrequency, [&app, &help](MainWindow&) { return new TestFrequencyView(app, help); });
    window.RegisterEditor(kDtmf, [&app, &help](MainWindow&) { return new DtmfView(app, help); });
    window.RegisterEditor(kVantalink, [&app, &help](MainWindow&) { return new VantalinkView(app, help); });
    window.RegisterEditor(kEmbeddedMessage, [&app, &help](MainWindow& frame) { return new EmbeddedMessageView(app, help, *frame.statusBar()); });
    TreeViewCommand::Register(window);
    RegisterMemoryMap(window);
    LinkWindows::Register(window, link);
    TestModeSeams testMode;
    testMode.openTuning = [&app, &help](QWidget& panel, RadioSession& session, testmode::TestModeValues& values, int item) {
        return RunTuningProcedure(&panel, session.Link(), app.prompter, app.catalog, help, values, item) != testmode::TuningOutcome::Failed;
    };
    testMode.printAdjustments = [&window](QWidget&, const testmode::TestModeValues& values) {
        return PrintCommands::Of(window).PrintAdjustmentSheet(values.tuningValues);
    };
    TestModeCommands::Register(window, link, testMode);
    EditHistoryCommands::Register(window);
    ChannelListCommands::Register(window);
    PrintCommands::Register(window);
}

} // namespace qtr::gui
