#pragma once

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace qtr {
struct ProbedPort;
class HelpViewer;
class Workspace;
class RadioLink;
} // namespace qtr

namespace qtr::gui {

// Setup, Communication Port: ports 1 to 20, each with the device it opens; the ports that
// do not open as serial ports are offered disabled, with the reason. OK selects the chosen port.
class CommPortDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 140;

    // Tries every port first.
    CommPortDialog(Workspace& app, HelpViewer& help, RadioLink& link, QWidget* parent = nullptr);

    QRadioButton* PortButton(int port) const;
    QLabel* DeviceLabel(int port) const;
    // Why the port cannot be used, or that a simulated radio answers on it.
    QLabel* ReasonLabel(int port) const;

public slots:
    void accept() override;

private:
    QWidget* BuildPortList();
    QString ReasonText(const ProbedPort& port) const;

    Workspace& app_;
    RadioLink& link_;
    QButtonGroup* ports_;
    std::vector<QLabel*> devices_; // by port number from 1
    std::vector<QLabel*> reasons_;
};

} // namespace qtr::gui
