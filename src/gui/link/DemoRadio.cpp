#include "gui/link/DemoRadio.h"

#include "core/app/Workspace.h"
#include "core/link/LinkTexts.h"
#include "core/link/PortDirectory.h"
#include "gui/app/CatalogText.h"
#include "gui/app/StatusPanes.h"
#include "core/link/RadioLink.h"

namespace qtr::gui {

namespace {

// Bytes take their real time on the line, so the progress bar moves as with a radio.
sim::RadioProfile FactoryRadio(const ModelRecord& model)
{
    sim::RadioProfile profile = sim::RadioProfile::Factory(model);
    profile.paced = true;
    return profile;
}

} // namespace

bool DemoRadio::TakeSwitch(QStringList& arguments)
{
    return arguments.removeAll(QString::fromLatin1(kSwitch)) > 0;
}

DemoRadio::DemoRadio(Workspace& app, RadioLink& link, const SettingsStore& settings)
    : app_(app), link_(link), settings_(settings), ports_(settings), radio_(FactoryRadio(app.state.currentModel)),
      usersPort_(app.comPort)
{
    ports_.WriteText(PortDirectory::kSection, PortDirectory::SettingName(kPort), radio_.Start());
    link_.UseDeviceSettings(&ports_, kPort);
    link_.SetPort(kPort);
    app_.comPort = kPort;
}

void DemoRadio::MarkPortPane(StatusPanes& panes) const
{
    panes.NotePort(kPort, CatalogText(app_.catalog, kSimulatedRadioTextId, 1));
}

DemoRadio::~DemoRadio()
{
    if (app_.comPort == kPort)
        app_.comPort = usersPort_;
    link_.UseDeviceSettings(&settings_);
    link_.SetPort(static_cast<std::uint8_t>(app_.comPort));
}

} // namespace qtr::gui
