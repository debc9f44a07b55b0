#include "gui/channels/ChannelFormView.h"

#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "core/base/HelpViewer.h"
#include "core/app/Workspace.h"
#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "gui/channels/ChannelNumberSpin.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/widgets/EditorButtonRow.h"
#include "gui/widgets/FocusLeaveWatcher.h"
#include "gui/widgets/FrequencyEdit.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/OffEntryCombo.h"
#include "gui/widgets/ToneCombo.h"
#include "gui/widgets/ValueCombo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

using Control = ChannelFormRules::Control;

constexpr int kTxPowerRow = static_cast<int>(ChannelField::TxPower);

ChannelField FieldOf(int row)
{
    return static_cast<ChannelField>(row);
}

QLineEdit* ToneEdit(QWidget* control)
{
    auto* tones = qobject_cast<ToneCombo*>(control);
    return tones && tones->isEditable() ? tones->lineEdit() : nullptr;
}

} // namespace

ChannelFormView::ChannelFormView(ChannelWindows& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), app_(windows.App()), rules_(app_.channels, app_.state),
      entries_(app_.channels, app_.codec), focusWatcher_(new FocusLeaveWatcher(this)),
      keys_(KeyboardFilter::Of(*this, windows.Help()))
{
    keys_.OnEnter([this](QWidget& control) { return CommitBeforeMovingOn(control); });
    setWindowTitle(CatalogText(app_.catalog, EditorOf(command::kChannelEdit).titleId, 1));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildRows();
    layout->addLayout(BuildButtons());
    connect(focusWatcher_, &FocusLeaveWatcher::Left, this, [this](QWidget* left) {
        const int row = RowOf(left);
        if (IsModified(row))
            CommitEdit(row);
    });
    setFocusProxy(Control(ChannelFormRules::kChannelRow));
    ShowChannel();
}

// A field that loses the focus while it is destroyed with the form commits nothing.
ChannelFormView::~ChannelFormView()
{
    disconnect(focusWatcher_, nullptr, this, nullptr);
}

void ChannelFormView::BuildRows()
{
    auto* rows = new QGridLayout;
    static_cast<QVBoxLayout*>(layout())->addLayout(rows);
    for (int row = 0; row < ChannelFormRules::kRowCount; ++row) {
        auto* label = new QLabel(CatalogText(app_.catalog, ChannelFormRules::LabelMessage(row), 1), this);
        QWidget* control = MakeControl(row);
        control->installEventFilter(this);
        keys_.MoveOnEnter(*control);
        controls_[static_cast<std::size_t>(row)] = control;
        rows->addWidget(label, row, 0);
        rows->addWidget(control, row, 1);
        label->setVisible(rules_.RowShown(row));
        control->setVisible(rules_.RowShown(row));
    }
    txPowerText_ = new QLineEdit(this);
    txPowerText_->setReadOnly(true);
    txPowerText_->hide();
    rows->addWidget(txPowerText_, kTxPowerRow, 1);
}

QLayout* ChannelFormView::BuildButtons()
{
    auto* row = new EditorButtonRow(*this, app_.catalog, windows_.Help(), EditorOf(command::kChannelEdit).helpTopic);
    for (QPushButton* button : {&row->CloseButton(), &row->HelpButton()}) {
        button->installEventFilter(this);
        keys_.MoveOnEnter(*button);
    }
    row->addStretch();
    return row;
}

QWidget* ChannelFormView::MakeControl(int row)
{
    switch (rules_.ControlOf(row)) {
    case Control::ChannelNumber: {
        const int count = app_.state.SlotCount();
        auto* number = new ChannelNumberSpin(count, ChannelNumberRange(count).Digits(), this);
        connect(number, &ChannelNumberSpin::SlotChosen, this, &ChannelFormView::ChannelNumberChosen);
        return number;
    }
    case Control::FrequencyEdit: {
        auto* edit = new FrequencyEdit(this);
        focusWatcher_->Watch(*edit);
        return edit;
    }
    case Control::ParlaneFrequencyList: {
        auto* list = new OffEntryCombo(this);
        for (const std::string& entry : entries_.ParlaneFrequencyEntries())
            list->addItem(FromUtf8(entry));
        connect(list, &QComboBox::activated, this, &ChannelFormView::ParlaneFrequencyChosen);
        return list;
    }
    case Control::Mirror: {
        auto* mirror = new QLineEdit(this);
        mirror->setReadOnly(true);
        // Clicking the copy edits the list it copies.
        mirror->setFocusPolicy(Qt::ClickFocus);
        mirror->setFocusProxy(Control(row - 1));
        return mirror;
    }
    case Control::LmrToneList:
    case Control::ParlaneToneList:
        return MakeToneList(row);
    case Control::FieldList: {
        auto* list = new ValueCombo(this);
        connect(list, &QComboBox::activated, this, [this, row] { ListChosen(row); });
        return list;
    }
    case Control::CheckBox: {
        auto* box = new QCheckBox(this);
        connect(box, &QCheckBox::clicked, this, [this, row](bool checked) { CheckClicked(row, checked); });
        return box;
    }
    }
    return nullptr;
}

QWidget* ChannelFormView::MakeToneList(int row)
{
    auto* tones = new ToneCombo(app_.codec.FillToneList(app_.state.LineLetter()), this);
    connect(tones, &QComboBox::activated, this, [this, row](int entry) { ToneChosen(row, entry); });
    if (tones->isEditable())
        focusWatcher_->Watch(*tones);
    return tones;
}

int ChannelFormView::RowOf(const QObject* control) const
{
    for (std::size_t row = 0; row < controls_.size(); ++row)
        if (controls_[row] == control)
            return static_cast<int>(row);
    return -1;
}

int ChannelFormView::Slot() const
{
    return windows_.CurrentSlot();
}

void ChannelFormView::ShowChannel()
{
    const int slot = Slot();
    static_cast<ChannelNumberSpin*>(Control(ChannelFormRules::kChannelRow))->ShowSlot(slot);
    app_.channels.ResetPttIdWithoutTransmit(slot);
    const bool programmed = app_.channels.IsProgrammed(slot);
    for (int row = 1; row < ChannelFormRules::kRowCount; ++row) {
        if (!rules_.RowShown(row))
            continue;
        Control(row)->setEnabled(rules_.RowEnabled(row, slot));
        if (programmed)
            ShowRow(row, slot);
        else
            ClearRow(row);
    }
    ShowTxPower(slot);
}

void ChannelFormView::ShowRow(int row, int slot)
{
    const FormattedField shown = app_.channelTexts.FormatField(slot, FieldOf(row));
    QWidget* control = Control(row);
    switch (rules_.ControlOf(row)) {
    case Control::FrequencyEdit:
        static_cast<FrequencyEdit*>(control)->setText(FromUtf8(shown.text));
        static_cast<FrequencyEdit*>(control)->setModified(false);
        break;
    case Control::ParlaneFrequencyList:
        static_cast<QComboBox*>(control)->setCurrentIndex(entries_.ParlaneFrequencyEntry(slot));
        break;
    case Control::LmrToneList:
    case Control::ParlaneToneList:
        static_cast<ToneCombo*>(control)->ShowTone(entries_.ToneEntry(shown.text), FromUtf8(shown.text));
        break;
    case Control::FieldList:
        static_cast<ValueCombo*>(control)->Fill(app_.channels.ValueList(FieldOf(row), slot), app_.catalog);
        static_cast<ValueCombo*>(control)->SelectValue(shown.value);
        break;
    case Control::CheckBox:
        static_cast<QCheckBox*>(control)->setChecked(control->isEnabled() && shown.value == 1);
        break;
    default:
        ClearRow(row);
        break;
    }
}

void ChannelFormView::ClearRow(int row)
{
    QWidget* control = Control(row);
    switch (rules_.ControlOf(row)) {
    case Control::FrequencyEdit:
        static_cast<FrequencyEdit*>(control)->clear();
        break;
    case Control::ParlaneFrequencyList:
        static_cast<QComboBox*>(control)->setCurrentIndex(0);
        break;
    case Control::Mirror:
        static_cast<QLineEdit*>(control)->setText(static_cast<QComboBox*>(Control(row - 1))->currentText());
        break;
    case Control::LmrToneList:
    case Control::ParlaneToneList:
        static_cast<ToneCombo*>(control)->ShowTone(ChannelListEntries::kNoEntry, QString());
        break;
    case Control::FieldList:
        static_cast<ValueCombo*>(control)->Fill(app_.channels.ValueList(FieldOf(row), Slot()), app_.catalog);
        break;
    case Control::CheckBox:
        static_cast<QCheckBox*>(control)->setChecked(false);
        break;
    case Control::ChannelNumber:
        break;
    }
}

// On a Parlane channel whose TX power is fixed the list gives way to a text.
void ChannelFormView::ShowTxPower(int slot)
{
    const bool fixed = app_.channels.HasRestrictedPower(slot);
    Control(kTxPowerRow)->setVisible(!fixed);
    txPowerText_->setVisible(fixed);
    txPowerText_->setText(fixed ? CatalogText(app_.catalog, app_.channelTexts.FormatField(slot, ChannelField::TxPower).messageId, 1)
                                : QString());
}

void ChannelFormView::ChannelNumberChosen(int slot)
{
    windows_.SelectSlot(slot, ChannelWindow::Form);
    ShowChannel();
}

void ChannelFormView::ToneChosen(int row, int entry)
{
    if (app_.state.IsParlane())
        windows_.Commits().StoreParlaneTone(Slot(), entry);
    else
        windows_.Commits().StoreToneText(Slot(), FieldOf(row),
                                         static_cast<QComboBox*>(Control(row))->itemText(entry).toStdString());
}

void ChannelFormView::ListChosen(int row)
{
    if (const auto value = static_cast<ValueCombo*>(Control(row))->Value())
        windows_.Commits().StoreListField(Slot(), FieldOf(row), *value);
}

void ChannelFormView::CheckClicked(int row, bool checked)
{
    windows_.Commits().StoreCheckField(Slot(), FieldOf(row), checked);
}

void ChannelFormView::ParlaneFrequencyChosen(int entry)
{
    const QString text = static_cast<QComboBox*>(Control(1))->itemText(entry);
    windows_.Commits().StoreParlaneFrequency(Slot(), text.toStdString());
}

bool ChannelFormView::IsModified(int row) const
{
    if (row <= 0)
        return false;
    if (auto* edit = qobject_cast<FrequencyEdit*>(Control(row)))
        return edit->isModified();
    const QLineEdit* toneEdit = ToneEdit(Control(row));
    return toneEdit && toneEdit->isModified();
}

// A frequency or typed tone is stored once, when it was changed and is left or entered.
void ChannelFormView::CommitEdit(int row)
{
    const int slot = Slot();
    if (auto* edit = qobject_cast<FrequencyEdit*>(Control(row))) {
        edit->setModified(false);
        windows_.Commits().StoreFrequency(slot, FieldOf(row), edit->text().toStdString(), false);
    } else if (QLineEdit* toneEdit = ToneEdit(Control(row))) {
        toneEdit->setModified(false);
        windows_.Commits().StoreToneText(slot, FieldOf(row), toneEdit->text().toStdString());
    }
}

void ChannelFormView::closeEvent(QCloseEvent* event)
{
    windows_.FormClosed();
    QWidget::closeEvent(event);
}

bool ChannelFormView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const ChannelCommand command = ChannelWindows::CommandForKey(key, ChannelWindow::Form);
    if (event->type() == QEvent::ShortcutOverride) {
        if (command != ChannelCommand::None)
            event->accept();
        return command != ChannelCommand::None;
    }
    if (command != ChannelCommand::None) {
        windows_.RunCopyCommand(command, ChannelWindow::Form, *this);
        return true;
    }
    if (key.key() != Qt::Key_Escape)
        return false;
    EditorSubWindow::CloseWindowOf(*this);
    return true;
}

// Enter commits like leaving the control, and then moves on where the rules say so.
bool ChannelFormView::CommitBeforeMovingOn(const QWidget& control)
{
    const int row = RowOf(&control);
    if (row == ChannelFormRules::kChannelRow)
        ChannelNumberChosen(static_cast<ChannelNumberSpin*>(Control(row))->TakeTypedNumber());
    else if (IsModified(row))
        CommitEdit(row);
    return rules_.EnterMovesOn(row, Slot());
}

} // namespace qtr::gui
