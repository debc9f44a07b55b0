#include "gui/widgets/SettingsFormWidget.h"

#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "core/base/HelpViewer.h"
#include "core/base/Prompter.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "gui/widgets/FixedPitchFont.h"
#include "core/base/messages/Common.h"
#include "gui/widgets/EditorButtonRow.h"
#include "gui/widgets/FocusLeaveWatcher.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/StepEdit.h"
#include "gui/widgets/TabPageKeys.h"
#include "gui/widgets/TypedCharacterFilter.h"
#include "gui/widgets/WidePopupCombo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qtr::gui {

namespace {

using form::ControlKind;

constexpr int kLabelColumn = 0;
constexpr int kControlColumn = 1;
constexpr int kBesideColumn = 2;
constexpr int kPagedFieldCharacters = 16;

bool IsEdit(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::EditSpin;
}

bool IsTab(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

// Tab and Shift+Tab; Ctrl+Tab belongs to the pages.
bool MovesOn(const QKeyEvent& key)
{
    return IsTab(key) && !(key.modifiers() & Qt::ControlModifier);
}

void LimitTyping(const form::InputLimit& limit, QWidget& watched, QLineEdit& edit)
{
    if (limit.maxLength > 0)
        new TypedCharacterFilter(limit.inputClass, static_cast<int>(limit.maxLength), watched, edit);
}

} // namespace

SettingsFormWidget::SettingsFormWidget(form::SettingsForm& form, const EditorInfo& editor, Workspace& app,
                                       HelpViewer& help, QWidget* parent)
    : QWidget(parent), form_(form), editorTopic_(editor.helpTopic), app_(app),
      focusWatcher_(new FocusLeaveWatcher(this)), keys_(KeyboardFilter::Of(*this, help))
{
    KeyboardFilter::SetContextHelp(*this, editorTopic_);
    keys_.OnEnter([this](QWidget& control) { return CommitBeforeMovingOn(RowOf(&control)); });
    if (parent) {
        parent->setWindowTitle(CatalogText(app.catalog, editor.titleId, 1));
        parent->installEventFilter(this); // its closing commits what is being typed
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    BuildRows();
    buttons_ = new EditorButtonRow(*this, app.catalog, help, editorTopic_);
    keys_.MoveOnEnter(buttons_->CloseButton());
    keys_.MoveOnEnter(buttons_->HelpButton());
    buttons_->addStretch();
    if (tabs_)
        layout->addWidget(tabs_);
    else
        layout->addLayout(columns_);
    layout->addLayout(buttons_);
    connect(focusWatcher_, &FocusLeaveWatcher::Left, this, &SettingsFormWidget::Left);
    ShowAll();
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) { ImageNoticed(notice); });
}

// A field that loses the focus while the window is destroyed commits nothing.
SettingsFormWidget::~SettingsFormWidget()
{
    disconnect(focusWatcher_, nullptr, this, nullptr);
}

void SettingsFormWidget::BuildRows()
{
    const std::size_t pageCount = std::max<std::size_t>(1, form_.Description().pageMessages.size());
    std::vector<PageLayout> pages(pageCount);
    for (PageLayout& page : pages) {
        page.columns = new QHBoxLayout;
        page.grid = new QGridLayout;
        // Pages share the widest page's width: the fields keep a width of their own.
        if (pageCount > 1) {
            page.grid->setColumnMinimumWidth(kControlColumn, kPagedFieldCharacters * fontMetrics().averageCharWidth());
            page.grid->setColumnStretch(kBesideColumn + 1, 1);
        }
        auto* left = new QVBoxLayout;
        left->addLayout(page.grid);
        left->addStretch();
        page.columns->addLayout(left);
    }
    rows_.resize(static_cast<std::size_t>(form_.RowCount()));
    for (int row = 0; row < form_.RowCount(); ++row) {
        QWidget* control = MakeControl(row);
        control->installEventFilter(this);
        keys_.MoveOnEnter(*control);
        rows_[static_cast<std::size_t>(row)].control = control;
        PageLayout& page = pages.at(static_cast<std::size_t>(form_.Row(row).page));
        if (form_.Row(row).kind != ControlKind::GroupBox) {
            PlaceRow(row, *page.grid);
            continue;
        }
        if (!page.groups) {
            page.groups = new QVBoxLayout;
            page.columns->addLayout(page.groups);
        }
        page.groups->addWidget(control);
        page.grid = new QGridLayout(control);
    }
    for (const PageLayout& page : pages)
        if (page.groups)
            page.groups->addStretch();
    columns_ = pages.front().columns;
    if (!form_.Description().pageMessages.empty())
        BuildTabs(pages);
    for (const Row& row : rows_) {
        if (row.control->focusPolicy() != Qt::NoFocus) {
            setFocusProxy(row.control);
            break;
        }
    }
}

void SettingsFormWidget::BuildTabs(const std::vector<PageLayout>& pages)
{
    tabs_ = new QTabWidget(this);
    const auto& titles = form_.Description().pageMessages;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->addLayout(pages[index].columns);
        pageLayouts_.push_back(layout);
        tabs_->addTab(page, CatalogText(app_.catalog, titles[index], 1));
    }
    keys_.MoveOnEnter(*tabs_->tabBar());
    new TabPageKeys(*tabs_, *this);
}

void SettingsFormWidget::AddToPage(int page, QWidget& widget)
{
    QVBoxLayout& layout = *pageLayouts_.at(static_cast<std::size_t>(page));
    layout.addWidget(&widget, 0, Qt::AlignLeft | Qt::AlignTop);
    layout.addStretch();
}

QWidget* SettingsFormWidget::MakeControl(int row)
{
    const form::FormRow& description = form_.Row(row);
    const QString label = LabelText(row);
    switch (description.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        if (description.codeField)
            edit->setFont(FixedPitchFont());
        LimitTyping(description.limit, *edit, *edit);
        focusWatcher_->Watch(*edit);
        return edit;
    }
    case ControlKind::EditSpin: {
        auto* spin = new StepEdit(this);
        if (description.codeField)
            spin->Edit().setFont(FixedPitchFont());
        LimitTyping(description.limit, *spin, spin->Edit());
        focusWatcher_->Watch(*spin);
        connect(spin, &StepEdit::Stepped, this, [this, row](int direction) { Stepped(row, direction); });
        return spin;
    }
    case ControlKind::List: {
        auto* list = new WidePopupCombo(this);
        if (description.commitWhenLeft)
            focusWatcher_->Watch(*list);
        connect(list, &QComboBox::activated, this, [this, row](int position) { Chosen(row, position); });
        connect(list, &QComboBox::currentIndexChanged, this, [this, row] { MarkHelp(row); });
        return list;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(label, this);
        connect(box, &QCheckBox::clicked, this,
                [this, row](bool checked) { Apply(row, [&] { return form_.CommitCheck(row, checked); }); });
        return box;
    }
    case ControlKind::GroupBox:
        break;
    }
    return new QGroupBox(label, this);
}

QString SettingsFormWidget::LabelText(int row) const
{
    const form::FormRow& description = form_.Row(row);
    return description.labelMessage != 0 ? CatalogText(app_.catalog, description.labelMessage, 1)
                                         : FromUtf8(description.labelText);
}

// Each row of the form has its own grid row; the grid leaves out the rows whose widgets
// are hidden, so the rows below a hidden one move up.
void SettingsFormWidget::PlaceRow(int row, QGridLayout& grid)
{
    Row& shown = rows_[static_cast<std::size_t>(row)];
    const form::FormRow& description = form_.Row(row);
    shown.grid = &grid;
    if (description.kind == ControlKind::CheckBox) {
        grid.addWidget(shown.control, row, kLabelColumn, 1, 2);
        return;
    }
    shown.label = new QLabel(LabelText(row), this);
    shown.label->setBuddy(shown.control);
    grid.addWidget(shown.label, row, kLabelColumn);
    grid.addWidget(shown.control, row, kControlColumn);
}

void SettingsFormWidget::AddBeside(int row, QWidget& widget, int helpTopic)
{
    Row& shown = rows_[static_cast<std::size_t>(row)];
    shown.grid->addWidget(&widget, row, kBesideColumn);
    keys_.MoveOnEnter(widget);
    KeyboardFilter::SetContextHelp(widget, helpTopic);
    shown.extras.push_back(&widget);
    ApplyStates();
}

void SettingsFormWidget::ShowAll()
{
    const bool wasApplying = applying_;
    applying_ = true;
    for (int row = 0; row < form_.RowCount(); ++row)
        ShowRow(row);
    ApplyStates();
    applying_ = wasApplying;
}

void SettingsFormWidget::ShowRow(int row)
{
    QWidget* control = Control(row);
    switch (form_.Row(row).kind) {
    case ControlKind::Edit:
    case ControlKind::EditSpin:
        ShowText(row, form_.Text(row));
        break;
    case ControlKind::List: {
        auto* list = static_cast<QComboBox*>(control);
        const QSignalBlocker quiet(list);
        list->clear();
        for (const form::ListEntry& entry : form_.Entries(row))
            list->addItem(FromUtf8(form_.EntryText(entry)));
        list->setCurrentIndex(form_.SelectedEntry(row));
        break;
    }
    case ControlKind::CheckBox:
        static_cast<QCheckBox*>(control)->setChecked(form_.Checked(row));
        break;
    case ControlKind::GroupBox:
        break;
    }
    MarkHelp(row);
}

// F1 on a list opens the help of its entry where its entries have one.
void SettingsFormWidget::MarkHelp(int row)
{
    const auto* list = qobject_cast<const QComboBox*>(Control(row));
    const int topic = form_.HelpTopic(row, list ? list->currentIndex() : form::SettingsForm::kNoEntry);
    KeyboardFilter::SetContextHelp(*Control(row), topic != 0 ? topic : editorTopic_);
}

void SettingsFormWidget::ShowText(int row, const form::FieldText& text)
{
    QLineEdit* edit = EditOf(row);
    edit->setText(FromUtf8(form_.Resolve(text)));
    edit->setModified(false);
}

void SettingsFormWidget::ApplyStates()
{
    for (int row = 0; row < form_.RowCount(); ++row) {
        const Row& shown = rows_[static_cast<std::size_t>(row)];
        const bool enabled = form_.Enabled(row);
        const bool visible = form_.Visible(row);
        shown.control->setEnabled(enabled);
        shown.control->setVisible(visible);
        if (shown.label) {
            shown.label->setEnabled(enabled);
            shown.label->setVisible(visible);
        }
        for (QWidget* extra : shown.extras)
            extra->setVisible(visible);
    }
}

QLineEdit* SettingsFormWidget::EditOf(int row) const
{
    QWidget* control = Control(row);
    if (auto* spin = qobject_cast<StepEdit*>(control))
        return &spin->Edit();
    return qobject_cast<QLineEdit*>(control);
}

int SettingsFormWidget::RowOf(const QObject* control) const
{
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].control == control)
            return static_cast<int>(row);
    return -1;
}

form::CommitResult SettingsFormWidget::Apply(int row, const std::function<form::CommitResult()>& commit)
{
    applying_ = true;
    const form::CommitResult result = commit();
    if (IsEdit(form_.Row(row).kind))
        ShowText(row, result.text);
    for (const int refreshed : result.refreshRows)
        ShowRow(refreshed);
    if (result.effects & form::kListsChanged)
        ShowAll();
    ApplyStates();
    if (result.refusalMessage != 0)
        Refused(row, result.refusalMessage);
    else if (result.focusRow >= 0)
        Control(result.focusRow)->setFocus(Qt::OtherFocusReason);
    applying_ = false;
    emit Committed(row);
    return result;
}

// The field shows the stored value again and keeps the focus, its text selected. Nothing
// need give the window the focus back after the box (no window manager, some remote
// desktops), so the field takes it itself; and a field refused as the focus left it loses
// its selection once that focus change is over, so it is selected again after it.
void SettingsFormWidget::Refused(int row, int messageId)
{
    app_.prompter.Ask({.captionId = messages::common::kErrorCaption, .messageId = messageId, .icon = Icon::Error});
    QWidget* control = Control(row);
    control->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
    QLineEdit* edit = EditOf(row);
    edit->selectAll();
    QTimer::singleShot(0, edit, &QLineEdit::selectAll);
}

// A spin step stores at once; the field shows the new value, selected.
void SettingsFormWidget::Stepped(int row, int direction)
{
    QLineEdit* edit = EditOf(row);
    Apply(row, [&] { return form_.Spin(row, direction, edit->text().toStdString()); });
    edit->selectAll();
}

void SettingsFormWidget::Chosen(int row, int position)
{
    if (!form_.Row(row).commitWhenLeft)
        Apply(row, [&] { return form_.CommitEntry(row, position); });
}

void SettingsFormWidget::Left(QWidget* control)
{
    const int row = RowOf(control);
    if (applying_ || row < 0)
        return;
    if (IsEdit(form_.Row(row).kind)) {
        QLineEdit* edit = EditOf(row);
        if (edit->isModified())
            Apply(row, [&] { return form_.CommitText(row, edit->text().toStdString()); });
    } else if (form_.Row(row).commitWhenLeft) {
        const int position = static_cast<QComboBox*>(control)->currentIndex();
        Apply(row, [&] { return form_.CommitEntry(row, position); });
    }
}

void SettingsFormWidget::CommitFocusedRow()
{
    for (QWidget* focus = QApplication::focusWidget(); focus; focus = focus->parentWidget()) {
        if (RowOf(focus) >= 0) {
            Left(focus);
            return;
        }
    }
}

bool SettingsFormWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Close) {
        if (!EditorSubWindow::ClosingWithProgram(*this))
            CommitFocusedRow();
        imageNotices_ = {}; // a closed window shows nothing until it is deleted
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return KeyPressed(watched, *static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool SettingsFormWidget::KeyPressed(QObject* watched, const QKeyEvent& key)
{
    const int row = RowOf(watched);
    if (row >= 0 && TypeKeyText(row, key))
        return true;
    if (row >= 0 && IsEdit(form_.Row(row).kind) && MovesOn(key))
        return MoveOn(row, key);
    return false;
}

bool SettingsFormWidget::MoveOn(int row, const QKeyEvent& key)
{
    if (CommitBeforeMovingOn(row))
        focusNextPrevChild(key.key() != Qt::Key_Backtab && !(key.modifiers() & Qt::ShiftModifier));
    return true;
}

// A field is stored by Tab and Enter, not only when the focus leaves it: the window system
// may not report that (a window nothing gave the focus back to). A refused value keeps the
// focus in the field; a commit may send it to another row itself. Other controls commit
// as the focus leaves them.
bool SettingsFormWidget::CommitBeforeMovingOn(int row)
{
    if (row < 0 || !IsEdit(form_.Row(row).kind) || !EditOf(row)->isModified())
        return true;
    const form::CommitResult result =
        Apply(row, [&] { return form_.CommitText(row, EditOf(row)->text().toStdString()); });
    return result.refusalMessage == 0 && result.focusRow < 0;
}

// The row's key puts its text into the field, to be committed as typed.
bool SettingsFormWidget::TypeKeyText(int row, const QKeyEvent& key)
{
    const form::KeyText& keyText = form_.Row(row).keyText;
    if (keyText.key == 0 || key.text().toUpper() != QChar(keyText.key) || (key.modifiers() & ~Qt::ShiftModifier))
        return false;
    QLineEdit* edit = EditOf(row);
    edit->setText(CatalogText(app_.catalog, keyText.messageId, 1));
    edit->setModified(true);
    return true;
}

void SettingsFormWidget::ImageNoticed(const ImageNotice& notice)
{
    const bool shownValuesMayDiffer = notice.reason != ImageReason::Saved && notice.reason != ImageReason::WrittenToRadio;
    if (notice.kind == ImageNotice::Kind::Changed && shownValuesMayDiffer && !applying_)
        ShowAll();
}

} // namespace qtr::gui
