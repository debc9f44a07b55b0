#include "gui/app/WindowRegistry.h"

#include "core/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/channels/TestFrequencyView.h"
#include "gui/features/KeyAssignmentView.h"
#include "gui/features/OptionalFeaturesView.h"
#include "gui/features/ScanView.h"
#include "gui/link/LinkWindows.h"
#include "gui/print/PrintCommands.h"

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
    LinkWindows::Register(window, link);
    PrintCommands::Register(window);
}

} // namespace qtr::gui
