#pragma once

#include "core/app/CommandIds.h"
#include "core/app/FleetObserver.h"
#include "core/app/FleetWindowRules.h"
#include "core/base/ImageNotifier.h"

#include <QDialog>

#include <memory>
#include <set>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTreeWidget;

namespace qtr {
class FleetStation;
class HelpViewer;
class SettingsStore;
class Workspace;
struct ProbedPort;
} // namespace qtr

namespace qtr::gui {

// Program, Fleet Programming: the open document written into one radio after another on
// every port checked, each port at its own pace, while the rest of the program goes on.
// The station reports from the ports' threads; the window shows each report on its own
// thread. Closing the window stops the run once the radios under way are done.
class FleetWindow : public QDialog, private FleetObserver {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = command::kFleetProgramming;
    static constexpr int kPortColumn = 0;
    static constexpr int kStateColumn = 1;
    static constexpr int kProgressColumn = 2;

    // `devices` names each port's device; a simulated radio answers on the `simulated` ports.
    FleetWindow(Workspace& app, HelpViewer& help, SettingsStore& settings, const SettingsStore& devices,
                std::set<unsigned> simulated, QWidget* parent);
    ~FleetWindow() override;

    QTreeWidget& Ports() const { return *ports_; }
    QCheckBox& Verify() const { return *verify_; }
    QCheckBox& Backup() const { return *backup_; }
    QRadioButton& SequenceRule() const { return *sequence_; }
    QLineEdit& DtmfStart() const { return *dtmfStart_; }
    QLineEdit& VantalinkStart() const { return *vantalinkStart_; }
    QPushButton& ChooseLogButton() const { return *chooseLog_; }
    QPushButton& StartButton() const { return *start_; }
    QPushButton& StopButton() const { return *stop_; }
    // A row per port of the run: the port, its state and its progress bar.
    QTableWidget& Work() const { return *work_; }
    QProgressBar& PortBar(int row) const;
    // A row per radio, in the log's columns.
    QTableWidget& Radios() const { return *radios_; }
    QLabel& Status() const { return *status_; }
    bool Running() const { return run_ != FleetRunState::Idle; }

private:
    void PortChanged(const FleetPortState& state) override;
    void RadioDone(const FleetRecord& record) override;
    void RadioSkipped(const FleetPortState& state, const std::string& serial) override;
    void Finished(const FleetSummary& summary) override;

    QWidget* BuildPorts();
    QWidget* BuildOptions();
    QWidget* BuildUnitIds();
    QWidget* BuildWork();
    QWidget* BuildRadios();
    QLayout* BuildButtons();
    void AddPort(const ProbedPort& port);
    QString Text(int id) const;

    FleetChoices Choices() const;
    void UpdateControls();
    void ChooseLog();
    void ChooseIdFile();
    void ShowPath(QLabel& label, const std::string& path);

    void Start();
    // The reasons the run cannot start, in one message.
    void Refuse(const std::vector<FleetReason>& reasons);
    void PrepareWork(const std::vector<unsigned>& ports);
    void Stop();
    void ShowPortState(const FleetPortState& state);
    void ShowPortText(std::size_t row, const QString& text);
    void AddRadio(const FleetRecord& record);
    void ShowFinished(const FleetSummary& summary);

    Workspace& app_;
    HelpViewer& help_;
    SettingsStore& settings_;
    const SettingsStore& devices_;
    std::set<unsigned> simulated_;
    std::string logPath_;
    std::string idFile_;
    FleetRunState run_ = FleetRunState::Idle;
    std::unique_ptr<FleetStation> station_;

    QTreeWidget* ports_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QRadioButton* noIds_ = nullptr;
    QRadioButton* sequence_ = nullptr;
    QRadioButton* bySerial_ = nullptr;
    QLineEdit* dtmfStart_ = nullptr;
    QLineEdit* vantalinkStart_ = nullptr;
    QLabel* idFileLabel_ = nullptr;
    QPushButton* chooseIdFile_ = nullptr;
    QLabel* logLabel_ = nullptr;
    QPushButton* chooseLog_ = nullptr;
    QTableWidget* work_ = nullptr;
    QTableWidget* radios_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
