#include "gui/testmode/PointAdjustmentDialog.h"

#include "gui/widgets/CatalogText.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"
#include "gui/testmode/TuningIndicatorLamp.h"
#include "gui/testmode/TuningPointPage.h"
#include "gui/testmode/TuningValueControls.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

QString Title(const testmode::PointAdjustment& adjustment, const MessageCatalog& catalog)
{
    QString title = CatalogText(catalog, adjustment.Item().nameId, 1);
    if (const int suffix = adjustment.TitleSuffixId())
        title += CatalogText(catalog, suffix, 1);
    return title;
}

} // namespace

PointAdjustmentDialog::PointAdjustmentDialog(testmode::TuningCommands& commands, testmode::TestModeValues& values,
                                             int itemIndex, const MessageCatalog& catalog, HelpViewer& help,
                                             QWidget* parent)
    : QDialog(parent), adjustment_(commands, values, itemIndex), tabs_(new QTabWidget(this))
{
    setWindowTitle(Title(adjustment_, catalog));
    // Every point's tab in sight: the dialog grows to the tab strip.
    tabs_->setUsesScrollButtons(false);
    BuildPages(catalog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(BuildButtons(catalog));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The value controls first, then the tab strip, then the buttons.
    setTabOrder(&pages_.back()->Controls().SpinBox(), tabs_->tabBar());
    setTabOrder(tabs_->tabBar(), transmit_);
    setTabOrder(transmit_, ok_);
    setTabOrder(ok_, cancel_);
    KeyboardFilter::WithHelpTopic(*this, help, adjustment_.Item().helpTopic);
    ShowPages();
    ShowTransmitter();
    pages_.front()->Controls().Slider().setFocus();
}

void PointAdjustmentDialog::BuildPages(const MessageCatalog& catalog)
{
    const auto& tabs = adjustment_.Tabs();
    for (std::size_t tab = 0; tab < tabs.size(); ++tab) {
        auto* page = new TuningPointPage(adjustment_.Frequencies(tab), catalog, tabs_);
        pages_.push_back(page);
        tabs_->addTab(page, CatalogText(catalog, testmode::TuningTabLabelId(tabs[tab]), 1));
        connect(&page->Controls(), &TuningValueControls::valueChosen, this, &PointAdjustmentDialog::ChooseValue);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &PointAdjustmentDialog::ChangeTab);
}

QLayout* PointAdjustmentDialog::BuildButtons(const MessageCatalog& catalog)
{
    transmit_ = new QPushButton(CatalogText(catalog, messages::testmode::kPtt), this);
    transmit_->setCheckable(true);
    transmit_->setVisible(adjustment_.OffersTransmitButton());
    receiveLamp_ =
        new TuningIndicatorLamp(QColor(0x2E, 0xA0, 0x43), CatalogText(catalog, messages::common::kRx, 1), this);
    transmitLamp_ =
        new TuningIndicatorLamp(QColor(0xD0, 0x30, 0x20), CatalogText(catalog, messages::common::kTx, 1), this);
    receiveLamp_->setVisible(adjustment_.OffersTransmitButton());
    transmitLamp_->hide();
    ok_ = new QPushButton(CatalogText(catalog, messages::common::kOk), this);
    cancel_ = new QPushButton(CatalogText(catalog, messages::common::kCancel), this);
    ok_->setDefault(true);
    transmit_->setAutoDefault(false);
    connect(transmit_, &QPushButton::clicked, this, &PointAdjustmentDialog::ToggleTransmit);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(transmit_);
    row->addWidget(receiveLamp_);
    row->addWidget(transmitLamp_);
    row->addStretch();
    row->addWidget(ok_);
    row->addWidget(cancel_);
    return row;
}

void PointAdjustmentDialog::ChooseValue(int value)
{
    pages_[adjustment_.CurrentTab()]->Controls().ShowValue(adjustment_.Allowed(value));
    if (!adjustment_.ChangeValue(value)) {
        Finish(false, testmode::TuningOutcome::Failed);
        return;
    }
    ShowPages();
}

void PointAdjustmentDialog::ChangeTab(int tab)
{
    const auto wanted = static_cast<std::size_t>(tab);
    if (tab < 0 || wanted == adjustment_.CurrentTab())
        return;
    const bool changed = adjustment_.ChangeTab(wanted);
    ShowTransmitter();
    if (!changed) {
        Finish(false, testmode::TuningOutcome::Failed);
        return;
    }
    ShowPages();
    pages_[wanted]->Controls().Slider().setFocus();
}

void PointAdjustmentDialog::ToggleTransmit()
{
    const bool switched = adjustment_.ToggleTransmit();
    ShowTransmitter();
    if (!switched)
        Finish(false, testmode::TuningOutcome::Failed);
}

void PointAdjustmentDialog::ShowPages()
{
    for (std::size_t tab = 0; tab < pages_.size(); ++tab)
        pages_[tab]->Controls().ShowValue(adjustment_.PageValue(tab));
}

void PointAdjustmentDialog::ShowTransmitter()
{
    const bool keyed = adjustment_.Transmitting();
    transmit_->setChecked(keyed);
    if (!adjustment_.OffersTransmitButton())
        return;
    receiveLamp_->setVisible(!keyed);
    transmitLamp_->setVisible(keyed);
}

void PointAdjustmentDialog::accept()
{
    Finish(adjustment_.Keep(), testmode::TuningOutcome::Kept);
}

void PointAdjustmentDialog::reject()
{
    Finish(adjustment_.Restore(), testmode::TuningOutcome::Restored);
}

void PointAdjustmentDialog::Finish(bool succeeded, testmode::TuningOutcome outcome)
{
    outcome_ = succeeded ? outcome : testmode::TuningOutcome::Failed;
    done(succeeded && outcome == testmode::TuningOutcome::Kept ? Accepted : Rejected);
}

} // namespace qtr::gui
