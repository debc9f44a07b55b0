#include "gui/app/WindowRegistry.h"

#include "core/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/channels/ChannelFormView.h"
#include "gui/channels/ChannelGridView.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/channels/TestFrequencyView.h"
#include "gui/link/LinkWindows.h"

namespace qtr::gui {

void RegisterAllWindows(MainWindow& window, Workspace& app, HelpViewer& help, RadioLink& link)
{
    using namespace command;
    auto* channels = new ChannelWindows(app, help, window);
    window.RegisterEditor(kChannelInformation, [channels](MainWindow&) { return channels->MakeGrid(); });
    window.RegisterEditor(kChannelEdit, [channels](MainWindow&) { return channels->MakeForm(); });
    window.RegisterEditor(kTestFrequency, [&app, &help](MainWindow&) { return new TestFrequencyView(app, help); });
    LinkWindows::Register(window, link);
}

} // namespace qtr::gui
