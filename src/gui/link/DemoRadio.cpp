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

// The radios of one fleet port: serial numbers of the port's own that count up, and on
// the last port every third radio refuses its blocks from the middle of the write on.
std::vector<sim::RadioProfile> FleetRadios(const ModelRecord& model, unsigned port, bool failing)
{
    constexpr int kFailingEvery = 3;
    constexpr int kBlocksTaken = 20;
    sim::RadioProfile first = FactoryRadio(model);
    const std::string serial = "DEMO" + std::to_string(port) + "-0001";
    first.serial.fill(0xFF);
    std::copy(serial.begin(), serial.end(), first.serial.begin());
    auto radios = first.Series(DemoRadio::kRadiosPerFleetPort);
    for (std::size_t i = kFailingEvery - 1; failing && i < radios.size(); i += kFailingEvery)
        radios[i].faults.push_back({.step = sim::Step::WriteBlock, .kind = sim::FaultKind::Nak, .skip = kBlocksTaken, .count = 0});
    return radios;
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
    StartFleet();
}

void DemoRadio::StartFleet()
{
    fleet_.clear();
    for (const unsigned port : FleetPorts()) {
        auto radios = FleetRadios(model_, port, port == kFirstFleetPort + kFleetPortCount - 1);
        const sim::RadioProfile first = radios.front();
        radios.erase(radios.begin());
        fleet_.push_back(std::make_unique<sim::RadioSimulator>(first, std::move(radios)));
        ports_.WriteText(PortDirectory::kSection, PortDirectory::SettingName(port), fleet_.back()->Start());
    }
}

std::set<unsigned> DemoRadio::FleetPorts() const
{
    std::set<unsigned> ports;
    for (unsigned port = kFirstFleetPort; port < kFirstFleetPort + kFleetPortCount; ++port)
        ports.insert(port);
    return ports;
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
