#include "gui/channels/ChannelGridView.h"

#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "core/app/Workspace.h"
#include "core/channels/ChannelGridText.h"
#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "gui/channels/ChannelWindows.h"
#include "gui/widgets/EditorButtonRow.h"
#include "gui/widgets/FrequencyEdit.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/OffEntryCombo.h"
#include "gui/widgets/ToneCombo.h"
#include "gui/widgets/ValueCombo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qtr::gui {

namespace {

// The layout's own label: the language files have no text for it.

} // namespace

ChannelGridView::ChannelGridView(ChannelWindows& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), app_(windows.App()), rules_(app_.channels, app_.state),
      entries_(app_.channels, app_.codec)
{
    setWindowTitle(CatalogText(app_.catalog, EditorOf(command::kChannelInformation).titleId, 1));
    windows_.SelectSlot(0, ChannelWindow::Grid);
    KeyboardFilter::Of(*this, windows_.Help());
    BuildGrid();
    BuildEditors();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RefreshTitle();
    grid_->SetCurrent({1, 1});
    setFocusProxy(grid_);
    RefreshAllRows();
}

void ChannelGridView::BuildGrid()
{
    grid_ = new EditingGrid(*this, this);
    QStringList headers{CatalogText(app_.catalog, messages::common::kChannelWord, 1)};
    std::vector<int> widths{kChannelColumnWidthTwips};
    for (const GridColumn& column : GridColumns(app_.state.IsParlane())) {
        headers << CatalogText(app_.catalog, column.headerId, 1);
        widths.push_back(column.widthTwips);
    }
    QStringList labels;
    for (int slot = 0; slot < rules_.LastRow(); ++slot)
        labels << FromUtf8(GridRowLabel(slot, rules_.LastRow()));
    grid_->Layout(headers, widths, labels);
    grid_->installEventFilter(this);
    // F1 opens the topic of the current column.
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this] { KeyboardFilter::SetHelpTopic(*grid_, ChannelGridRules::HelpTopic(grid_->Current().column)); });
    connect(grid_, &EditingGrid::DoubleClicked, this, &ChannelGridView::DoubleClicked);
    connect(grid_, &EditingGrid::RowChanged, this, &ChannelGridView::RowChanged);
    connect(grid_, &EditingGrid::EditEnded, this, &ChannelGridView::EditEnded);
}

void ChannelGridView::BuildEditors()
{
    const auto chosen = [this](int entry) { Chosen(entry); };
    toneList_ = new ToneCombo(app_.codec.FillToneList(app_.state.LineLetter()), grid_);
    connect(toneList_, &QComboBox::activated, this, chosen);
    fieldList_ = new ValueCombo(grid_);
    connect(fieldList_, &QComboBox::activated, this, chosen);
    if (app_.state.IsParlane()) {
        parlaneFrequencyList_ = new OffEntryCombo(grid_);
        for (const std::string& entry : entries_.ParlaneFrequencyEntries())
            parlaneFrequencyList_->addItem(FromUtf8(entry));
        connect(parlaneFrequencyList_, &QComboBox::activated, this, chosen);
    } else {
        frequencyEdit_ = new FrequencyEdit(grid_);
    }
    for (QWidget* editor : std::initializer_list<QWidget*>{toneList_, fieldList_, parlaneFrequencyList_, frequencyEdit_})
        if (editor)
            editor->hide();
}

QLayout* ChannelGridView::BuildButtons()
{
    auto* row = new EditorButtonRow(*this, app_.catalog, windows_.Help(), EditorOf(command::kChannelInformation).helpTopic);
    editButton_ = new QPushButton(CatalogText(app_.catalog, messages::channels::kChannelEditButton), this);
    KeyboardFilter::SetHelpTopic(*editButton_, EditorOf(command::kChannelEdit).helpTopic);
    freeArea_ = new QLineEdit(this);
    freeArea_->setReadOnly(true);
    freeArea_->setFocusPolicy(Qt::NoFocus);
    connect(editButton_, &QPushButton::clicked, &windows_, &ChannelWindows::OpenForm);
    row->addWidget(editButton_);
    row->addStretch();
    row->addWidget(new QLabel(CatalogText(app_.catalog, messages::channels::kFreeArea), this));
    row->addWidget(freeArea_);
    return row;
}

void ChannelGridView::RefreshRow(int slot)
{
    for (int column = 1; column <= rules_.LastColumn(); ++column) {
        const std::string text =
            GridCellText(app_.channels, app_.codec, app_.catalog, slot, rules_.FieldOf(column));
        grid_->SetText({slot + 1, column}, FromUtf8(text));
    }
    freeArea_->setText(QString::number(app_.channels.FreeBytes()));
}

void ChannelGridView::RefreshAllRows()
{
    for (int slot = 0; slot < rules_.LastRow(); ++slot)
        RefreshRow(slot);
}

void ChannelGridView::ShowSlot(int slot)
{
    grid_->SetCurrent({slot + 1, std::max(grid_->Current().column, 1)});
    RefreshTitle();
}

void ChannelGridView::FinishEdit()
{
    grid_->EndEdit(EditingGrid::EditEnd::FocusLeft);
}

QString ChannelGridView::FreeAreaText() const
{
    return freeArea_->text();
}

bool ChannelGridView::BeginEdit(GridCell cell)
{
    grid_->EndEdit(EditingGrid::EditEnd::FocusLeft);
    const ChannelGridRules::Edit edit = rules_.StartEdit(cell);
    grid_->SetCurrent(edit.cell);
    if (edit.editor == GridEditor::None)
        return false;
    editor_ = edit.editor;
    editCell_ = edit.cell;
    grid_->OpenEditor(*FillEditor(edit.editor, edit.cell), edit.cell);
    return true;
}

QWidget* ChannelGridView::FillEditor(GridEditor editor, GridCell cell)
{
    const int slot = cell.row - 1;
    const ChannelField field = rules_.FieldOf(cell.column);
    switch (editor) {
    case GridEditor::FrequencyEdit:
        frequencyEdit_->setText(grid_->Text(cell));
        frequencyEdit_->selectAll();
        return frequencyEdit_;
    case GridEditor::ParlaneFrequencyList:
        parlaneFrequencyList_->setCurrentIndex(entries_.ParlaneFrequencyEntry(slot));
        return parlaneFrequencyList_;
    case GridEditor::FieldList:
        fieldList_->Fill(app_.channels.ValueList(field, slot), app_.catalog);
        fieldList_->SelectValue(app_.channelTexts.FormatField(slot, field).value);
        return fieldList_;
    default: {
        const std::string tone = app_.channelTexts.FormatField(slot, field).text;
        toneList_->ShowTone(entries_.ToneEntry(tone), FromUtf8(tone));
        if (toneList_->isEditable())
            toneList_->lineEdit()->selectAll();
        return toneList_;
    }
    }
}

// Delete or Backspace on a cell starts its edit with nothing in it.
void ChannelGridView::ClearEditor()
{
    switch (editor_) {
    case GridEditor::FrequencyEdit:
        frequencyEdit_->clear();
        break;
    case GridEditor::LmrToneList:
        toneList_->setCurrentIndex(-1);
        toneList_->clearEditText();
        break;
    case GridEditor::ParlaneFrequencyList:
        parlaneFrequencyList_->setCurrentIndex(0);
        Chosen(0);
        break;
    default:
        break;
    }
}

void ChannelGridView::Chosen(int entry)
{
    if (!grid_->Editor())
        return;
    // The Parlane frequency is stored when the list is left; column 2 shows the choice at once.
    if (editor_ == GridEditor::ParlaneFrequencyList) {
        grid_->SetText({editCell_.row, ChannelGridRules::kTransmit}, parlaneFrequencyList_->itemText(entry));
        return;
    }
    Commit(editor_, editCell_);
    RefreshRow(editCell_.row - 1);
}

void ChannelGridView::EditEnded(GridCell cell, EditingGrid::EditEnd how)
{
    const GridEditor editor = editor_;
    editor_ = GridEditor::None;
    if (how != EditingGrid::EditEnd::Escape)
        Commit(editor, cell);
    RefreshRow(cell.row - 1);
    if (how == EditingGrid::EditEnd::Enter)
        grid_->SetCurrent(rules_.AfterEnter(editor, cell));
}

void ChannelGridView::Commit(GridEditor editor, GridCell cell)
{
    const int slot = cell.row - 1;
    const ChannelField field = rules_.FieldOf(cell.column);
    ChannelCommits& commits = windows_.Commits();
    switch (editor) {
    case GridEditor::FrequencyEdit:
        commits.StoreFrequency(slot, field, frequencyEdit_->text().toStdString(), true);
        break;
    case GridEditor::LmrToneList:
        commits.StoreToneText(slot, field, toneList_->currentText().toStdString());
        break;
    case GridEditor::ParlaneToneList:
        if (toneList_->currentIndex() >= 0)
            commits.StoreParlaneTone(slot, toneList_->currentIndex());
        break;
    case GridEditor::FieldList:
        if (const auto value = fieldList_->Value())
            commits.StoreListField(slot, field, *value);
        break;
    case GridEditor::ParlaneFrequencyList:
        // Without a chosen entry (a frequency not in the list) there is nothing to store.
        if (parlaneFrequencyList_->currentIndex() >= 0)
            commits.StoreParlaneFrequency(slot, parlaneFrequencyList_->currentText().toStdString());
        break;
    case GridEditor::None:
        break;
    }
}

// The edit form closes with the grid.
void ChannelGridView::closeEvent(QCloseEvent* event)
{
    if (!EditorSubWindow::ClosingWithProgram(*this))
        FinishEdit();
    windows_.CloseForm();
    windows_.GridClosed();
    QWidget::closeEvent(event);
}

bool ChannelGridView::eventFilter(QObject* watched, QEvent* event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!keyEvent)
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const ChannelCommand command = ChannelWindows::CommandForKey(key, ChannelWindow::Grid);
    if (watched != grid_ || command == ChannelCommand::None)
        return false;
    // The grid's own keys are not the main window's shortcuts there.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        RunCommand(command, grid_->Current());
    return true;
}

bool ChannelGridView::StartsEditing(GridCell cell, char typed) const
{
    return ChannelGridRules::StartsEditing(cell.column, typed);
}

void ChannelGridView::RunCommand(ChannelCommand command, GridCell cell)
{
    const int slot = cell.row - 1;
    switch (command) {
    case ChannelCommand::EditForm:
        windows_.OpenForm();
        break;
    case ChannelCommand::Insert:
        windows_.Commits().InsertChannel(slot);
        break;
    case ChannelCommand::Delete:
        windows_.Commits().DeleteChannel(slot);
        break;
    case ChannelCommand::ChannelCopy:
    case ChannelCommand::FrequencyCopy:
    case ChannelCommand::ToneCopy:
        windows_.RunCopyCommand(command, ChannelWindow::Grid, *this);
        break;
    default:
        break;
    }
}

void ChannelGridView::DoubleClicked(GridCell cell)
{
    grid_->EndEdit(EditingGrid::EditEnd::Escape);
    if (app_.channels.IsProgrammed(cell.row - 1))
        windows_.OpenForm();
}

void ChannelGridView::RowChanged(int row)
{
    windows_.SelectSlot(row - 1, ChannelWindow::Grid);
    RefreshTitle();
}

void ChannelGridView::RefreshTitle()
{
    setWindowTitle(FromUtf8(GridTitle(app_.catalog, windows_.CurrentSlot())));
}

} // namespace qtr::gui
