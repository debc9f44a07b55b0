#include "gui/testmode/MeasuringDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"
#include "gui/testmode/TuningIndicatorLamp.h"
#include "gui/testmode/TuningValueControls.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

MeasuringDialog::MeasuringDialog(testmode::TuningCommands& commands, testmode::TestModeValues& values,
                                 int itemIndex, const MessageCatalog& catalog, HelpViewer& help, QWidget* parent)
    : QDialog(parent), timer_([this] { Poll(); }), procedure_(commands, values, timer_, itemIndex),
      field_(NewTuningValueField(this)), bar_(NewTuningValueBar(this))
{
    setWindowTitle(CatalogText(catalog, procedure_.TitleId(), 1));
    auto* value = new QHBoxLayout;
    value->addWidget(field_);
    value->addWidget(bar_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFrequencies(values, catalog));
    layout->addLayout(value);
    layout->addLayout(BuildButtons(catalog));
    KeyboardFilter::WithHelpTopic(*this, help, testmode::TuningItems()[static_cast<std::size_t>(itemIndex)].helpTopic);
    bar_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    ShowState();
    start_->setFocus();
}

QLayout* MeasuringDialog::BuildFrequencies(const testmode::TestModeValues& values, const MessageCatalog& catalog)
{
    rx_ = new QLabel(FromUtf8(values.rxText), this);
    tx_ = new QLabel(FromUtf8(values.txText), this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(CatalogText(catalog, messages::common::kRx, 1), this), 0, 0);
    grid->addWidget(rx_, 0, 1);
    grid->addWidget(new QLabel(CatalogText(catalog, messages::common::kTx, 1), this), 1, 0);
    grid->addWidget(tx_, 1, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QLayout* MeasuringDialog::BuildButtons(const MessageCatalog& catalog)
{
    start_ = new QPushButton(CatalogText(catalog, messages::testmode::kStart), this);
    start_->setCheckable(true);
    running_ =
        new TuningIndicatorLamp(QColor(0xE0, 0x90, 0x10), CatalogText(catalog, messages::testmode::kStart, 1), this);
    QSizePolicy keepsPlace = running_->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    running_->setSizePolicy(keepsPlace);
    ok_ = new QPushButton(CatalogText(catalog, messages::common::kOk), this);
    cancel_ = new QPushButton(CatalogText(catalog, messages::common::kCancel), this);
    connect(start_, &QPushButton::clicked, this, &MeasuringDialog::ToggleMeasuring);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(start_);
    row->addWidget(running_);
    row->addStretch();
    row->addWidget(ok_);
    row->addWidget(cancel_);
    return row;
}

void MeasuringDialog::ToggleMeasuring()
{
    procedure_.ToggleMeasuring();
    ShowState();
}

void MeasuringDialog::Poll()
{
    const bool goOn = procedure_.Tick();
    ShowState();
    if (!goOn)
        Finish(false, testmode::TuningOutcome::Failed);
}

void MeasuringDialog::ShowState()
{
    start_->setChecked(procedure_.Measuring());
    running_->setVisible(procedure_.Measuring());
    field_->setText(QString::number(procedure_.Value()));
    bar_->setValue(procedure_.Value());
}

void MeasuringDialog::accept()
{
    Finish(procedure_.Keep(), testmode::TuningOutcome::Kept);
}

void MeasuringDialog::reject()
{
    Finish(procedure_.Restore(), testmode::TuningOutcome::Restored);
}

void MeasuringDialog::Finish(bool succeeded, testmode::TuningOutcome outcome)
{
    ShowState();
    outcome_ = succeeded ? outcome : testmode::TuningOutcome::Failed;
    done(succeeded && outcome == testmode::TuningOutcome::Kept ? Accepted : Rejected);
}

} // namespace qtr::gui
