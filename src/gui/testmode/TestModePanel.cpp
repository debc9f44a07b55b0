#include "gui/testmode/TestModePanel.h"

#include "core/base/HelpViewer.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"
#include "core/testmode/TuningItems.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/KeyboardFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

using testmode::PanelStep;
using testmode::TestModePanelModel;

constexpr int kHelpButtonTopic = 1193;
constexpr int kSignallingCount = 9;
constexpr int kValueWidthChars = 14;

} // namespace

TestModePanel::TestModePanel(TestModePanelModel& model, const MessageCatalog& catalog, HelpViewer& help,
                             const TestModeSeams& seams, QWidget* parent)
    : QDialog(parent), model_(model), values_(model.Values()), catalog_(catalog), help_(help), seams_(seams)
{
    setWindowTitle(CatalogText(catalog, TestModePanelModel::kTitleId, 1));
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildSettings());
    columns->addWidget(BuildTuning(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(BuildButtons());
    FillLists();
    ShowIndicators();
    // F1 asks for the context help of the focused control, else of the panel.
    KeyboardFilter::Of(*this, help);
    KeyboardFilter::SetContextHelp(*this, TestModePanelModel::kHelpTopic);
}

QWidget* TestModePanel::BuildSettings()
{
    auto* group = new QGroupBox(CatalogText(catalog_, messages::testmode::kTestSettings, 1), this);
    auto* grid = new QGridLayout(group);
    const auto label = [&](int id) { return new QLabel(CatalogText(catalog_, id, 1), group); };
    const auto value = [&] {
        auto* field = new QLabel(group);
        field->setFrameShape(QFrame::StyledPanel);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * kValueWidthChars);
        return field;
    };
    channels_ = new QComboBox(group);
    signals_ = new QComboBox(group);
    KeyboardFilter::SetContextHelp(*channels_, kChannelTopic);
    KeyboardFilter::SetContextHelp(*signals_, kSignalTopic);
    rxFrequency_ = value();
    txFrequency_ = value();
    rxName_ = value();
    txName_ = value();
    int row = 0;
    const auto addPair = [&](int labelId, QComboBox* list, QLabel* receive, QLabel* transmit) {
        grid->addWidget(label(labelId), row, 1);
        grid->addWidget(list, row++, 2, 1, 2);
        grid->addWidget(Lamp(Indicator::Receive), row, 0);
        grid->addWidget(label(messages::common::kRx), row, 1);
        grid->addWidget(receive, row++, 2, 1, 2);
        grid->addWidget(Lamp(Indicator::Transmit), row, 0);
        grid->addWidget(label(messages::common::kTx), row, 1);
        grid->addWidget(transmit, row++, 2, 1, 2);
    };
    addPair(messages::common::kChannelWord, channels_, rxFrequency_, txFrequency_);
    addPair(messages::testmode::kSignal, signals_, rxName_, txName_);

    wideLamp_ = new QLabel(group);
    narrowLamp_ = new QLabel(group);
    for (QLabel* lamp : {wideLamp_, narrowLamp_}) {
        lamp->setPixmap(IndicatorPixmap(Indicator::Spacing));
        QSizePolicy keep = lamp->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        lamp->setSizePolicy(keep);
    }
    auto* wide = AddButton(messages::testmode::kWideButton, kWideTopic);
    auto* narrow = AddButton(messages::testmode::kNarrowButton, kNarrowTopic);
    grid->addWidget(wideLamp_, row, 0);
    grid->addWidget(wide, row, 1, 1, 2);
    grid->addWidget(narrowLamp_, row + 1, 0);
    grid->addWidget(narrow, row + 1, 1, 1, 2);
    row += 2;
    ptt_ = new QPushButton(CatalogText(catalog_, messages::testmode::kPtt), group);
    ptt_->setCheckable(true);
    ptt_->setAutoDefault(false);
    KeyboardFilter::SetContextHelp(*ptt_, TestModePanelModel::kPttHelpTopic);
    grid->addWidget(ptt_, row, 1, 1, 2);
    // One lamp beside the button, green or red.
    grid->addWidget(Lamp(Indicator::Receive), row, 3, Qt::AlignLeft);
    grid->addWidget(Lamp(Indicator::Transmit), row, 3, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    connect(channels_, &QComboBox::activated, this, &TestModePanel::ChannelChosen);
    connect(signals_, &QComboBox::activated, this, &TestModePanel::SignalChosen);
    connect(wide, &QPushButton::clicked, this, [this] { SpacingChosen(true); });
    connect(narrow, &QPushButton::clicked, this, [this] { SpacingChosen(false); });
    connect(ptt_, &QPushButton::clicked, this, &TestModePanel::PttClicked);
    return group;
}

QWidget* TestModePanel::BuildTuning()
{
    auto* group = new QGroupBox(CatalogText(catalog_, messages::testmode::kTuning, 1), this);
    auto* layout = new QVBoxLayout(group);
    tuning_ = new QListWidget(group);
    auto* start = AddButton(messages::testmode::kTuningMode, kTuningModeTopic);
    start->setEnabled(false);
    layout->addWidget(tuning_, 1);
    layout->addWidget(start);
    connect(tuning_, &QListWidget::currentRowChanged, this, [this, start](int row) {
        start->setEnabled(row >= 0);
        start->setDefault(row >= 0);
        KeyboardFilter::SetContextHelp(*tuning_, TuningTopic());
    });
    connect(tuning_, &QListWidget::itemActivated, this, &TestModePanel::StartTuning);
    connect(start, &QPushButton::clicked, this, &TestModePanel::StartTuning);
    return group;
}

QLayout* TestModePanel::BuildButtons()
{
    auto* row = new QHBoxLayout;
    auto* print = AddButton(messages::testmode::kPrint, kPrintTopic);
    auto* close = AddButton(messages::common::kClose, kCloseTopic);
    auto* help = AddButton(messages::common::kHelp, kHelpButtonTopic);
    KeyboardFilter::SetContextHelp(*help, TestModePanelModel::kHelpTopic);
    print->setEnabled(static_cast<bool>(seams_.printAdjustments));
    row->addStretch();
    for (QPushButton* button : {print, close, help})
        row->addWidget(button);
    connect(print, &QPushButton::clicked, this, &TestModePanel::Print);
    connect(close, &QPushButton::clicked, this, &TestModePanel::CloseClicked);
    connect(help, &QPushButton::clicked, this, [this] { help_.ShowHelpTopic(TestModePanelModel::kHelpTopic); });
    return row;
}

QPushButton* TestModePanel::AddButton(int textId, int topic)
{
    auto* button = new QPushButton(CatalogText(catalog_, textId), this);
    button->setAutoDefault(false);
    KeyboardFilter::SetContextHelp(*button, topic);
    buttons_[topic] = button;
    return button;
}

QPushButton& TestModePanel::Button(int topic) const
{
    return *buttons_.at(topic);
}

QLabel* TestModePanel::Lamp(Indicator indicator)
{
    auto* lamp = new QLabel(this);
    lamp->setPixmap(IndicatorPixmap(indicator));
    QSizePolicy keep = lamp->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lamp->setSizePolicy(keep);
    (indicator == Indicator::Transmit ? transmitLamps_ : receiveLamps_).push_back(lamp);
    return lamp;
}

void TestModePanel::FillLists()
{
    for (const int channel : model_.Channels())
        channels_->addItem(QString::number(channel), channel);
    for (int signalling = 1; signalling <= kSignallingCount; ++signalling)
        signals_->addItem(QString::number(signalling), signalling);
    for (const int item : testmode::ListedItems(values_.lineB)) {
        const auto& tuningItem = testmode::TuningItems()[static_cast<std::size_t>(item)];
        tuning_->addItem(CatalogText(catalog_, tuningItem.nameId, 1));
    }
    // Tall enough for every item, so the list never scrolls.
    int height = 2 * tuning_->frameWidth();
    for (int row = 0; row < tuning_->count(); ++row)
        height += tuning_->sizeHintForRow(row);
    tuning_->setMinimumHeight(height);
}

void TestModePanel::Run()
{
    if (!Finished(model_.Open(catalog_)))
        return;
    ShowChannel();
    ShowSignalling();
    exec();
}

bool TestModePanel::Finished(PanelStep step)
{
    ShowIndicators();
    if (step != PanelStep::ClosePanel)
        return step == PanelStep::Done;
    if (isVisible())
        QDialog::done(QDialog::Rejected);
    return false;
}

void TestModePanel::ShowChannel()
{
    rxFrequency_->setText(FromUtf8(values_.rxText));
    txFrequency_->setText(FromUtf8(values_.txText));
    const int index = channels_->findData(values_.selectedChannel);
    if (index >= 0)
        channels_->setCurrentIndex(index);
}

void TestModePanel::ShowSignalling()
{
    const int signalling = values_.selectedSignalling;
    rxName_->setText(CatalogText(catalog_, TestModePanelModel::ReceiveSignallingNameId(signalling), 1));
    txName_->setText(CatalogText(catalog_, TestModePanelModel::TransmitSignallingNameId(signalling), 1));
    signals_->setCurrentIndex(signalling - 1);
}

void TestModePanel::ShowIndicators()
{
    for (QLabel* lamp : receiveLamps_)
        lamp->setVisible(!values_.transmitting);
    for (QLabel* lamp : transmitLamps_)
        lamp->setVisible(values_.transmitting);
    ptt_->setChecked(values_.transmitting);
    wideLamp_->setVisible(values_.wide);
    narrowLamp_->setVisible(!values_.wide);
}

bool TestModePanel::ShowsTransmitting() const
{
    return !transmitLamps_.front()->isHidden() && receiveLamps_.front()->isHidden() && ptt_->isChecked();
}

bool TestModePanel::ShowsWide() const
{
    return !wideLamp_->isHidden() && narrowLamp_->isHidden();
}

void TestModePanel::ChannelChosen(int index)
{
    if (Finished(model_.SelectChannel(channels_->itemData(index).toInt(), catalog_)))
        ShowChannel();
}

void TestModePanel::SignalChosen(int index)
{
    if (Finished(model_.SelectSignalling(index + 1)))
        ShowSignalling();
}

void TestModePanel::SpacingChosen(bool wide)
{
    Finished(model_.SetWide(wide));
}

void TestModePanel::PttClicked()
{
    Finished(model_.TogglePtt());
}

int TestModePanel::SelectedItem() const
{
    const int row = tuning_->currentRow();
    return row < 0 ? -1 : testmode::ItemAtListPosition(row, values_.lineB);
}

void TestModePanel::StartTuning()
{
    const int item = SelectedItem();
    if (!Finished(model_.StartTuning(item)))
        return;
    if (seams_.openTuning && !seams_.openTuning(*this, model_.Session(), values_, item)) {
        QDialog::done(QDialog::Rejected);
        return;
    }
    ShowIndicators();
    Button(kTuningModeTopic).setDefault(true);
}

void TestModePanel::Print()
{
    if (!Finished(model_.PrepareAdjustmentPrint()) || !seams_.printAdjustments)
        return;
    if (seams_.printAdjustments(*this, values_))
        model_.ReportPrinted();
}

void TestModePanel::CloseClicked()
{
    model_.Close();
    QDialog::done(QDialog::Accepted);
}

// Esc and the window manager's close button come here too.
void TestModePanel::reject()
{
    model_.CloseFromWindowManager();
    QDialog::reject();
}

// The tuning list's help is its selected item's.
int TestModePanel::TuningTopic() const
{
    const int item = SelectedItem();
    return item < 0 ? TestModePanelModel::kHelpTopic : testmode::TuningItems()[static_cast<std::size_t>(item)].helpTopic;
}

} // namespace qtr::gui
