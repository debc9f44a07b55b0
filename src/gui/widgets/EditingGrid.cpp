#include "gui/widgets/EditingGrid.h"

#include "gui/widgets/FocusLeaveWatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace qtr::gui {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kCellPadding = 12;

QTableWidgetItem* CentredItem()
{
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

EditingGrid::EditingGrid(Editing& editing, QWidget* parent)
    : QTableWidget(parent), editing_(editing), focusWatcher_(new FocusLeaveWatcher(this))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        sinceClick_.start();
        if (column > 0)
            editing_.BeginEdit({row + 1, column});
    });
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { emit DoubleClicked({row + 1, column}); });
    connect(this, &QTableWidget::currentCellChanged, this, &EditingGrid::KeepOffTheLabels);
    connect(focusWatcher_, &FocusLeaveWatcher::Left, this, [this](QWidget* left) {
        if (left == editor_)
            EndEdit(EditEnd::FocusLeft);
    });
}

// An editor that loses the focus while it is destroyed with the grid commits nothing.
EditingGrid::~EditingGrid()
{
    disconnect(focusWatcher_, nullptr, this, nullptr);
}

void EditingGrid::Layout(const QStringList& headers, const std::vector<int>& widthsTwips, const QStringList& rowLabels)
{
    setColumnCount(static_cast<int>(headers.size()));
    setRowCount(static_cast<int>(rowLabels.size()));
    setHorizontalHeaderLabels(headers);
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, widthsTwips[static_cast<std::size_t>(column)] * logicalDpiX() / kTwipsPerInch);
    for (int column = 0; column < columnCount(); ++column)
        WidenToFit(column, headers[column]);
    for (int row = 0; row < rowCount(); ++row) {
        auto* label = CentredItem();
        label->setText(rowLabels[row]);
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(palette().button());
        setItem(row, 0, label);
        for (int column = 1; column < columnCount(); ++column)
            setItem(row, column, CentredItem());
    }
    SizeToContent();
}

void EditingGrid::SetText(GridCell cell, const QString& text)
{
    QTableWidgetItem* shown = item(cell.row - 1, cell.column);
    if (!shown)
        return;
    shown->setText(text);
    WidenToFit(cell.column, text);
}

// The widths suit the original dialog font; a wider font must not wrap a cell's text.
void EditingGrid::WidenToFit(int column, const QString& text)
{
    const int needed = fontMetrics().horizontalAdvance(text) + kCellPadding;
    if (needed <= columnWidth(column))
        return;
    setColumnWidth(column, needed);
    SizeToContent();
}

QString EditingGrid::Text(GridCell cell) const
{
    const QTableWidgetItem* shown = item(cell.row - 1, cell.column);
    return shown ? shown->text() : QString();
}

GridCell EditingGrid::Current() const
{
    return {currentRow() + 1, currentColumn()};
}

void EditingGrid::SetCurrent(GridCell cell)
{
    setCurrentCell(cell.row - 1, cell.column);
}

void EditingGrid::OpenEditor(QWidget& editor, GridCell cell)
{
    EndEdit(EditEnd::FocusLeft);
    editor_ = &editor;
    editCell_ = cell;
    editor.setParent(viewport());
    editor.installEventFilter(this);
    focusWatcher_->Watch(editor);
    editor.setGeometry(EditorRect(editor, cell));
    editor.show();
    editor.setFocus();
}

// A list in a column narrower than its entries reaches over the next cells rather than cut
// its entry, and leftwards where the grid ends.
QRect EditingGrid::EditorRect(const QWidget& editor, GridCell cell) const
{
    QRect rect = visualItemRect(item(cell.row - 1, cell.column));
    if (!qobject_cast<const QComboBox*>(&editor))
        return rect;
    rect.setWidth(std::max(rect.width(), editor.sizeHint().width()));
    rect.moveLeft(std::max(0, std::min(rect.left(), viewport()->width() - rect.width())));
    return rect;
}

void EditingGrid::EndEdit(EditEnd how)
{
    if (!editor_)
        return;
    QWidget* editor = editor_;
    editor_ = nullptr; // hiding the editor moves the focus, which must not end it again
    if (how != EditEnd::FocusLeft)
        setFocus();
    editor->hide();
    emit EditEnded(editCell_, how);
}

void EditingGrid::PassToEditor(const QKeyEvent& key)
{
    QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
    if (editor_)
        QCoreApplication::sendEvent(editor_, &typed);
}

std::optional<char> EditingGrid::TypedCharacter(const QKeyEvent& key)
{
    const QString text = key.text();
    const bool shortcut = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (shortcut || text.size() != 1 || text.front().unicode() < 0x20 || text.front().unicode() >= 0x7F)
        return std::nullopt;
    return static_cast<char>(text.front().unicode());
}

// Enter opens the cell's editor and, in the editor, stores it: the grid's own editing, which
// the shared keyboard filter's move to the next control would break.
void EditingGrid::keyPressEvent(QKeyEvent* event)
{
    const GridCell cell = Current();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editing_.BeginEdit(cell);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (editing_.BeginEdit(cell))
            editing_.ClearEditor();
        return;
    case Qt::Key_Left:
        SetCurrent(editing_.Left(cell));
        return;
    case Qt::Key_Right:
        SetCurrent(editing_.Right(cell));
        return;
    default:
        break;
    }
    const auto typed = TypedCharacter(*event);
    if (!typed || !editing_.StartsEditing(cell, *typed)) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    if (editing_.BeginEdit(cell))
        PassToEditor(*event);
}

bool EditingGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_)
        return QTableWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return EditorKey(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!SecondClick())
            return false;
        sinceClick_.invalidate();
        emit DoubleClicked(editCell_);
        return true;
    default:
        return false;
    }
}

bool EditingGrid::EditorKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EndEdit(EditEnd::Enter);
        return true;
    case Qt::Key_Escape:
        EndEdit(EditEnd::Escape);
        return true;
    default:
        return false;
    }
}

// The editor a click opened is under the mouse when the second click of a double click comes.
bool EditingGrid::SecondClick() const
{
    return sinceClick_.isValid() && sinceClick_.elapsed() < QApplication::doubleClickInterval();
}

void EditingGrid::SizeToContent()
{
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
    for (int row = 0; row < rowCount(); ++row)
        height += rowHeight(row);
    setFixedSize(width, height);
}

// Column 0 holds labels, not values: the current cell stays in the data columns.
void EditingGrid::KeepOffTheLabels(int row, int column)
{
    if (row >= 0 && column == 0) {
        setCurrentCell(row, 1);
    } else if (row >= 0 && row != shownRow_) {
        shownRow_ = row;
        emit RowChanged(row + 1);
    }
}

} // namespace qtr::gui
