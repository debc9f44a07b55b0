#include "gui/link/DemoRadio.h"

#include "core/app/Workspace.h"
#include "core/link/LinkTexts.h"
#include "core/link/PortDirectory.h"
#include "gui/widgets/StatusPanes.h"
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
    : app_(app), link_(link), settings_(settings), ports_(settings), usersPort_(app.comPort)
{
    StartRadio();
    link_.Port().UseDeviceSettings(&ports_, kPort);
    link_.Port().SetPort(kPort);
    app_.comPort = kPort;
    imageNotices_ = app_.state.notices.Subscribe([this](const ImageNotice& notice) { FollowTheModel(notice); });
}

void DemoRadio::StartRadio()
{
    model_ = app_.state.currentModel;
    radio_.reset(); // its pseudo-terminal goes before the next one is opened
    radio_ = std::make_unique<sim::RadioSimulator>(FactoryRadio(model_));
    ports_.WriteText(PortDirectory::kSection, PortDirectory::SettingName(kPort), radio_->Start());
}

// Every replacement of the image is over before the port is opened again, so the radio is
// never swapped in the middle of a transfer.
void DemoRadio::FollowTheModel(const ImageNotice& notice)
{
    if (notice.kind == ImageNotice::Kind::Replaced && app_.state.currentModel != model_)
        StartRadio();
}

void DemoRadio::MarkPortPane(StatusPanes& panes) const
{
    panes.NotePort(kPort, kSimulatedRadioTextId);
}

DemoRadio::~DemoRadio()
{
    if (app_.comPort == kPort)
        app_.comPort = usersPort_;
    link_.Port().UseDeviceSettings(&settings_);
    link_.Port().SetPort(static_cast<std::uint8_t>(app_.comPort));
}

} // namespace qtr::gui
