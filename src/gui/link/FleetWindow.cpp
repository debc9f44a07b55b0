#include "gui/link/FleetWindow.h"

#include "core/app/FleetStation.h"
#include "core/base/messages/FleetWindow.h"
#include "core/app/Workspace.h"
#include "core/base/messages/Common.h"
#include "core/base/HelpViewer.h"
#include "core/base/Prompter.h"
#include "core/base/SettingsStore.h"
#include "core/link/LinkTexts.h"
#include "core/link/PortProbe.h"
#include "core/link/ProbedPortText.h"
#include "core/link/SerialPort.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

namespace text = messages::fleetwindow;

constexpr int kPortNumberRole = Qt::UserRole;
constexpr int kPortListColumns = 3;
constexpr int kVisibleRows = 3;
constexpr int kLongestDtmfId = 10;
constexpr char kLogName[] = "fleet-log.csv";

// At its smallest a table still shows a few rows, below its header and above a scroll bar.
void ShowRows(QTableWidget& table)
{
    table.setMinimumHeight(2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height() +
                           kVisibleRows * table.verticalHeader()->defaultSectionSize() +
                           table.horizontalScrollBar()->sizeHint().height());
}

} // namespace

FleetWindow::FleetWindow(Workspace& app, HelpViewer& help, SettingsStore& settings, const SettingsStore& devices,
                         std::set<unsigned> simulated, QWidget* parent)
    : QDialog(parent), app_(app), help_(help), settings_(settings), devices_(devices), simulated_(std::move(simulated)),
      logPath_(settings.ReadText(settings::kFleetSection, settings::kFleetLogFile).value_or(""))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(text::kTitle));
    auto* choices = new QHBoxLayout;
    choices->addWidget(BuildPorts(), 1);
    choices->addWidget(BuildOptions());
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(BuildWork());
    layout->addWidget(BuildRadios(), 1);
    layout->addWidget(status_);
    layout->addLayout(BuildButtons());
    UpdateControls();
    imageNotices_ = app_.state.notices.Subscribe([this](const ImageNotice&) { UpdateControls(); });
}

// The radios under way are finished first.
FleetWindow::~FleetWindow()
{
    station_.reset();
}

QString FleetWindow::Text(int id) const
{
    return CatalogText(app_.catalog, id, 1);
}

// The ports as Communication Port lists them; a simulated radio's port is checked at first.
QWidget* FleetWindow::BuildPorts()
{
    auto* box = new QGroupBox(Text(text::kPorts), this);
    ports_ = new QTreeWidget(box);
    ports_->setColumnCount(kPortListColumns);
    ports_->setHeaderHidden(true);
    ports_->setRootIsDecorated(false);
    SerialPort probe;
    probe.UseDeviceSettings(&devices_);
    for (const ProbedPort& port : ProbePorts(probe))
        AddPort(port);
    int width = 2 * ports_->frameWidth() + ports_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kPortListColumns; ++column) {
        ports_->resizeColumnToContents(column);
        width += ports_->columnWidth(column);
    }
    ports_->setMinimumWidth(width);
    connect(ports_, &QTreeWidget::itemChanged, this, &FleetWindow::UpdateControls);
    (new QVBoxLayout(box))->addWidget(ports_);
    return box;
}

void FleetWindow::AddPort(const ProbedPort& port)
{
    const bool simulated = simulated_.contains(port.number);
    const int note = ProbedPortNoteId(port, simulated);
    auto* item = new QTreeWidgetItem(ports_, {CatalogText(app_.catalog, PortLabelId(port.number)),
                                              FromUtf8(ProbedPortDevice(port)), note == 0 ? QString() : Text(note)});
    item->setData(0, kPortNumberRole, port.number);
    item->setCheckState(0, simulated ? Qt::Checked : Qt::Unchecked);
    if (!port.usable)
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
}

QWidget* FleetWindow::BuildOptions()
{
    auto* box = new QGroupBox(Text(text::kOptions), this);
    verify_ = new QCheckBox(CatalogText(app_.catalog, text::kVerifyOption), box);
    backup_ = new QCheckBox(CatalogText(app_.catalog, text::kBackupOption), box);
    verify_->setChecked(app_.safety.verifyAfterWrite);
    backup_->setChecked(app_.safety.backupBeforeWrite);
    logLabel_ = new QLabel(box);
    chooseLog_ = new QPushButton(CatalogText(app_.catalog, text::kChooseLog), box);
    ShowPath(*logLabel_, logPath_);
    connect(chooseLog_, &QPushButton::clicked, this, &FleetWindow::ChooseLog);
    auto* log = new QHBoxLayout;
    log->addWidget(new QLabel(Text(text::kLogFile), box));
    log->addWidget(logLabel_, 1);
    log->addWidget(chooseLog_);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(verify_);
    layout->addWidget(backup_);
    layout->addWidget(BuildUnitIds());
    layout->addLayout(log);
    layout->addStretch();
    return box;
}

QWidget* FleetWindow::BuildUnitIds()
{
    auto* box = new QGroupBox(Text(text::kUnitIds), this);
    noIds_ = new QRadioButton(CatalogText(app_.catalog, text::kNoIds), box);
    sequence_ = new QRadioButton(CatalogText(app_.catalog, text::kSequence), box);
    bySerial_ = new QRadioButton(CatalogText(app_.catalog, text::kBySerial), box);
    dtmfStart_ = new QLineEdit(box);
    dtmfStart_->setMaxLength(kLongestDtmfId);
    dtmfStart_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), dtmfStart_));
    vantalinkStart_ = new QLineEdit(box);
    vantalinkStart_->setPlaceholderText(QStringLiteral("100:1000"));
    idFileLabel_ = new QLabel(box);
    chooseIdFile_ = new QPushButton(CatalogText(app_.catalog, text::kChooseIdFile), box);
    ShowPath(*idFileLabel_, idFile_);
    noIds_->setChecked(true);
    for (QRadioButton* rule : {noIds_, sequence_, bySerial_})
        connect(rule, &QRadioButton::toggled, this, &FleetWindow::UpdateControls);
    connect(chooseIdFile_, &QPushButton::clicked, this, &FleetWindow::ChooseIdFile);
    auto* grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(0, noIds_->iconSize().width());
    grid->addWidget(noIds_, 0, 0, 1, 3);
    grid->addWidget(sequence_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(Text(text::kDtmfStart), box), 2, 1);
    grid->addWidget(dtmfStart_, 2, 2);
    grid->addWidget(new QLabel(Text(text::kVantalinkStart), box), 3, 1);
    grid->addWidget(vantalinkStart_, 3, 2);
    grid->addWidget(bySerial_, 4, 0, 1, 3);
    grid->addWidget(idFileLabel_, 5, 1);
    grid->addWidget(chooseIdFile_, 5, 2, Qt::AlignRight);
    return box;
}

QWidget* FleetWindow::BuildWork()
{
    auto* box = new QGroupBox(Text(text::kPortsAtWork), this);
    work_ = new QTableWidget(0, 3, box);
    work_->setHorizontalHeaderLabels({Text(text::kPortColumn), Text(text::kStateColumn), Text(text::kProgressColumn)});
    work_->verticalHeader()->hide();
    work_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    work_->setSelectionMode(QAbstractItemView::NoSelection);
    work_->horizontalHeader()->setSectionResizeMode(kStateColumn, QHeaderView::Stretch);
    ShowRows(*work_);
    (new QVBoxLayout(box))->addWidget(work_);
    return box;
}

QWidget* FleetWindow::BuildRadios()
{
    auto* box = new QGroupBox(Text(text::kRadiosDone), this);
    const auto& columns = FleetRecordColumnIds();
    radios_ = new QTableWidget(0, static_cast<int>(columns.size()), box);
    QStringList titles;
    for (const int id : columns)
        titles << Text(id);
    radios_->setHorizontalHeaderLabels(titles);
    radios_->verticalHeader()->hide();
    radios_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    radios_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ShowRows(*radios_);
    (new QVBoxLayout(box))->addWidget(radios_);
    return box;
}

QLayout* FleetWindow::BuildButtons()
{
    start_ = new QPushButton(CatalogText(app_.catalog, text::kStart), this);
    stop_ = new QPushButton(CatalogText(app_.catalog, text::kStop), this);
    helpButton_ = new QPushButton(CatalogText(app_.catalog, messages::common::kHelp), this);
    for (QPushButton* button : {start_, stop_, helpButton_})
        button->setAutoDefault(false);
    connect(start_, &QPushButton::clicked, this, &FleetWindow::Start);
    connect(stop_, &QPushButton::clicked, this, &FleetWindow::Stop);
    connect(helpButton_, &QPushButton::clicked, this, [this] { help_.ShowHelpTopic(kHelpTopic); });
    KeyboardFilter::WithHelpTopic(*this, help_, kHelpTopic);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(helpButton_);
    return buttons;
}

void FleetWindow::ShowPath(QLabel& label, const std::string& path)
{
    label.setText(path.empty() ? Text(text::kNoneChosen) : FromUtf8(path));
    label.setToolTip(FromUtf8(path));
}

FleetChoices FleetWindow::Choices() const
{
    FleetChoices choices;
    for (int row = 0; row < ports_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = ports_->topLevelItem(row);
        if (item->checkState(0) == Qt::Checked && (item->flags() & Qt::ItemIsEnabled))
            choices.ports.push_back(item->data(0, kPortNumberRole).toUInt());
    }
    choices.verify = verify_->isChecked();
    choices.backup = backup_->isChecked();
    choices.idRule = sequence_->isChecked() ? UnitIdRule::Sequence
                     : bySerial_->isChecked() ? UnitIdRule::BySerial
                                              : UnitIdRule::None;
    choices.dtmfStart = dtmfStart_->text().trimmed().toStdString();
    choices.vantalinkStart = vantalinkStart_->text().trimmed().toStdString();
    choices.idFile = idFile_;
    choices.logPath = logPath_;
    return choices;
}

void FleetWindow::UpdateControls()
{
    const FleetControls controls = FleetControlStates(run_, Choices(), !app_.state.IsParlane());
    if (controls.choices && !controls.idRules)
        noIds_->setChecked(true);
    for (QWidget* choice : std::initializer_list<QWidget*>{ports_, verify_, backup_, noIds_, chooseLog_})
        choice->setEnabled(controls.choices);
    sequence_->setEnabled(controls.idRules);
    bySerial_->setEnabled(controls.idRules);
    dtmfStart_->setEnabled(controls.sequenceFields);
    vantalinkStart_->setEnabled(controls.sequenceFields);
    chooseIdFile_->setEnabled(controls.idFileButton);
    start_->setEnabled(controls.start);
    stop_->setEnabled(controls.stop);
}

void FleetWindow::ChooseLog()
{
    const auto chosen = app_.picker.ChooseLogPath(app_.document.DataFolder(), kLogName);
    if (!chosen)
        return;
    logPath_ = *chosen;
    settings_.WriteText(settings::kFleetSection, settings::kFleetLogFile, logPath_);
    ShowPath(*logLabel_, logPath_);
    UpdateControls();
}

// A CSV file to read, as a channel list is chosen.
void FleetWindow::ChooseIdFile()
{
    const auto chosen = app_.picker.ChooseChannelListPath(false, app_.document.DataFolder());
    if (!chosen)
        return;
    idFile_ = *chosen;
    ShowPath(*idFileLabel_, idFile_);
}

// The configuration is the document as it stands now; later edits are not written.
void FleetWindow::Start()
{
    const FleetChoices choices = Choices();
    FleetPlanDraft draft = MakeFleetPlan(choices, app_.state.image, app_.document.Name(), app_.safety.backupFolder);
    if (!draft.reasons.empty())
        return Refuse(draft.reasons);
    FleetObserver& observer = *this;
    auto station = std::make_unique<FleetStation>(std::move(draft.plan), observer, FleetStation::DevicePorts(devices_),
                                                  app_.catalog);
    if (const auto reasons = station->Start(); !reasons.empty())
        return Refuse(reasons);
    PrepareWork(choices.ports); // before any report of the run is shown: they wait in the queue
    station_ = std::move(station);
    run_ = FleetRunState::Running;
    status_->setText(Text(text::kRunning));
    UpdateControls();
}

void FleetWindow::Refuse(const std::vector<FleetReason>& reasons)
{
    std::string detail;
    for (const FleetReason& reason : reasons)
        detail += "\n" + FleetReasonText(reason, app_.catalog);
    app_.prompter.Ask({.captionId = messages::common::kErrorCaption, .messageId = text::kCannotStart, .detail = detail,
                       .form = PromptForm::MessageThenDetail, .icon = Icon::Error});
}

void FleetWindow::PrepareWork(const std::vector<unsigned>& ports)
{
    work_->setRowCount(0);
    radios_->setRowCount(0);
    work_->setRowCount(static_cast<int>(ports.size()));
    for (int row = 0; row < work_->rowCount(); ++row) {
        const unsigned port = ports[static_cast<std::size_t>(row)];
        work_->setItem(row, kPortColumn, new QTableWidgetItem(FromUtf8(PortNameText(port, app_.catalog))));
        work_->setItem(row, kStateColumn, new QTableWidgetItem);
        work_->setCellWidget(row, kProgressColumn, new QProgressBar(work_));
    }
}

QProgressBar& FleetWindow::PortBar(int row) const
{
    return *static_cast<QProgressBar*>(work_->cellWidget(row, kProgressColumn));
}

void FleetWindow::Stop()
{
    if (!station_)
        return;
    station_->RequestStop();
    run_ = FleetRunState::Stopping;
    status_->setText(Text(text::kStopping));
    UpdateControls();
}

// From the ports' threads: each report is shown on the window's own.
void FleetWindow::PortChanged(const FleetPortState& state)
{
    QMetaObject::invokeMethod(this, [this, state] { ShowPortState(state); }, Qt::QueuedConnection);
}

void FleetWindow::RadioDone(const FleetRecord& record)
{
    QMetaObject::invokeMethod(this, [this, record] { AddRadio(record); }, Qt::QueuedConnection);
}

void FleetWindow::RadioSkipped(const FleetPortState& state, const std::string& serial)
{
    QMetaObject::invokeMethod(
        this, [this, row = state.index, serial] { ShowPortText(row, FromUtf8(FleetSkippedText(serial, app_.catalog))); },
        Qt::QueuedConnection);
}

void FleetWindow::Finished(const FleetSummary& summary)
{
    QMetaObject::invokeMethod(this, [this, summary] { ShowFinished(summary); }, Qt::QueuedConnection);
}

void FleetWindow::ShowPortState(const FleetPortState& state)
{
    ShowPortText(state.index, FromUtf8(FleetPortStateText(state, app_.catalog)));
    const FleetProgress progress = FleetPortProgress(state);
    QProgressBar& bar = PortBar(static_cast<int>(state.index));
    bar.setRange(0, progress.maximum);
    bar.setValue(progress.value);
}

void FleetWindow::ShowPortText(std::size_t row, const QString& shown)
{
    work_->item(static_cast<int>(row), kStateColumn)->setText(shown);
}

void FleetWindow::AddRadio(const FleetRecord& record)
{
    const int row = radios_->rowCount();
    radios_->insertRow(row);
    const auto cells = FleetRecordCells(record, app_.catalog);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(FromUtf8(cells[column]));
        if (IsFleetFailure(record))
            item->setForeground(Qt::red);
        radios_->setItem(row, static_cast<int>(column), item);
    }
    radios_->scrollToBottom();
}

void FleetWindow::ShowFinished(const FleetSummary& summary)
{
    if (station_)
        station_->Wait();
    station_.reset();
    run_ = FleetRunState::Idle;
    status_->setText(FromUtf8(FleetSummaryText(summary, app_.catalog)));
    UpdateControls();
}

} // namespace qtr::gui
