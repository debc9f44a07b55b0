#include "gui/link/CommPortDialog.h"

#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Link.h"
#include "core/link/LinkTexts.h"
#include "core/link/PortProbe.h"
#include "core/link/ProbedPortText.h"
#include "core/link/RadioLink.h"
#include "gui/widgets/CatalogButtonBox.h"
#include "gui/widgets/CatalogText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kPortsPerColumn = 10;
constexpr int kColumnsPerPort = 3;

} // namespace

CommPortDialog::CommPortDialog(Workspace& app, HelpViewer& help, RadioLink& link, QWidget* parent)
    : QDialog(parent), app_(app), link_(link), ports_(new QButtonGroup(this))
{
    setWindowTitle(CatalogText(app.catalog, messages::link::kPortTitle, 1));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildPortList());
    layout->addWidget(new CatalogButtonBox(*this, app.catalog, help, kHelpTopic));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Two columns of ports, each port's device beside its label and, for a port that cannot
// be used, why not. The selected port stays marked even when it cannot be used now.
QWidget* CommPortDialog::BuildPortList()
{
    auto* frame = new QGroupBox(CatalogText(app_.catalog, messages::link::kPortTitle, 1), this);
    auto* grid = new QGridLayout(frame);
    const int selected = link_.Port().Port();
    for (const ProbedPort& port : ProbePorts(link_.Port())) {
        const int number = static_cast<int>(port.number);
        auto* button = new QRadioButton(CatalogText(app_.catalog, PortLabelId(port.number)), frame);
        auto* device = new QLabel(FromUtf8(ProbedPortDevice(port)), frame);
        auto* reason = new QLabel(ReasonText(port), frame);
        device->setEnabled(port.usable);
        button->setEnabled(port.usable);
        button->setChecked(number == selected);
        devices_.push_back(device);
        reasons_.push_back(reason);
        ports_->addButton(button, number);
        const int row = (number - 1) % kPortsPerColumn;
        const int column = kColumnsPerPort * ((number - 1) / kPortsPerColumn);
        grid->addWidget(button, row, column);
        grid->addWidget(device, row, column + 1);
        grid->addWidget(reason, row, column + 2);
    }
    return frame;
}

QString CommPortDialog::ReasonText(const ProbedPort& port) const
{
    const int note = ProbedPortNoteId(port, link_.Port().IsSimulated(port.number));
    return note == 0 ? QString() : CatalogText(app_.catalog, note, 1);
}

QRadioButton* CommPortDialog::PortButton(int port) const
{
    return static_cast<QRadioButton*>(ports_->button(port));
}

QLabel* CommPortDialog::DeviceLabel(int port) const
{
    return devices_.at(static_cast<std::size_t>(port - 1));
}

QLabel* CommPortDialog::ReasonLabel(int port) const
{
    return reasons_.at(static_cast<std::size_t>(port - 1));
}

void CommPortDialog::accept()
{
    const int chosen = ports_->checkedId();
    if (chosen > 0) {
        link_.Port().SetPort(static_cast<std::uint8_t>(chosen));
        app_.comPort = chosen;
    }
    QDialog::accept();
}

} // namespace qtr::gui
