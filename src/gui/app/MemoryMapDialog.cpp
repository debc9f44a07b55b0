#include "gui/app/MemoryMapDialog.h"

#include "core/app/MemoryMap.h"
#include "core/base/messages/Common.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FixedPitchFont.h"
#include "core/base/messages/App.h"
#include "core/base/messages/Common.h"
#include "gui/app/MemoryMapModel.h"
#include "gui/widgets/FocusLeaveWatcher.h"
#include "gui/widgets/TypedCharacterFilter.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace qtr::gui {

namespace {

constexpr int kCellLength = 2;
constexpr int kCellPadding = 14;
constexpr int kRowPadding = 6;
constexpr int kVisibleRows = 16;

bool IsEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// The hexadecimal digit a key types, if it types one.
bool TypesHexDigit(const QKeyEvent& key)
{
    const QString text = key.text();
    const bool shortcut = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !shortcut && text.size() == 1 && text.front().unicode() < 0x80 &&
           FilterTypedCharacter(InputClass::HexDigits, static_cast<char>(text.front().unicode()), {}, kCellLength);
}

bool TypesText(const QKeyEvent& key)
{
    return !key.text().isEmpty() && key.text().front().isPrint() &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

MemoryMapDialog::MemoryMapDialog(const ImageBytes& image, const MessageCatalog& catalog, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), prompter_(prompter), original_(image), model_(new MemoryMapModel(image, FixedPitchFont(), this)), grid_(new QTableView(this)),
      address_(new QLineEdit(QStringLiteral("0000"), this)), editor_(new QLineEdit(grid_->viewport()))
{
    setWindowTitle(CatalogText(catalog, messages::app::kMemoryMapTitle, 1));
    BuildGrid();
    address_->setReadOnly(true);
    address_->setFont(FixedPitchFont());
    address_->setFocusPolicy(Qt::NoFocus);
    address_->setFixedWidth(address_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + kCellPadding);
    editor_->setFont(FixedPitchFont());
    editor_->setMaxLength(kCellLength);
    editor_->setAlignment(Qt::AlignCenter);
    editor_->hide();
    new TypedCharacterFilter(InputClass::HexDigits, kCellLength, *editor_, *editor_);
    editor_->installEventFilter(this);
    auto* focusWatcher = new FocusLeaveWatcher(this);
    focusWatcher->Watch(*editor_);
    connect(focusWatcher, &FocusLeaveWatcher::Left, this, &MemoryMapDialog::EndEdit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(CatalogText(catalog, messages::common::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(CatalogText(catalog, messages::common::kCancel));
    for (QAbstractButton* button : buttons->buttons())
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(address_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(bottom);

    SetCurrent({memorymap::kRowCount, 1});
    grid_->setFocus(Qt::OtherFocusReason);
    FitToScreen();
}

// All sixteen columns and sixteen rows where the screen has room for them.
void MemoryMapDialog::FitToScreen()
{
    const QSize wanted = sizeHint() + preferredGridSize_ - grid_->minimumSize();
    const QScreen* shown = parentWidget() ? parentWidget()->screen() : screen();
    resize(wanted.boundedTo(shown->availableGeometry().size() * 9 / 10));
}

void MemoryMapDialog::BuildGrid()
{
    grid_->setModel(model_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setTabKeyNavigation(false);
    grid_->setFont(FixedPitchFont());
    const QFontMetrics metrics(FixedPitchFont());
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("__F")) + kCellPadding;
    const int rowHeight = metrics.height() + kRowPadding;
    for (QHeaderView* header : {grid_->horizontalHeader(), grid_->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
    }
    grid_->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int width = grid_->verticalHeader()->sizeHint().width() + memorymap::kColumnCount * columnWidth +
                      grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    const int height = grid_->horizontalHeader()->sizeHint().height() + kVisibleRows * rowHeight + 2 * grid_->frameWidth();
    grid_->setMinimumSize(width / 2, height / 2);
    preferredGridSize_ = QSize(width, height);
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        address_->setText(QString::fromStdString(memorymap::AddressText(MemoryMapModel::CellOf(current))));
    });
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &MemoryMapDialog::PlaceEditor);
}

const ImageBytes& MemoryMapDialog::Bytes() const
{
    return model_->Bytes();
}

GridCell MemoryMapDialog::Current() const
{
    return MemoryMapModel::CellOf(grid_->currentIndex());
}

QString MemoryMapDialog::CellText(GridCell cell) const
{
    return model_->CellText(cell);
}

void MemoryMapDialog::SetCurrent(GridCell cell)
{
    const QModelIndex index = model_->IndexOf(cell);
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index);
}

// A cell still being edited counts, also when OK is reached by its access key.
void MemoryMapDialog::accept()
{
    if (editor_->isVisible())
        EndEdit();
    QDialog::accept();
}

void MemoryMapDialog::reject()
{
    if (editor_->isVisible())
        EndEdit();
    const auto answer = memorymap::AskBeforeCancel(prompter_, windowTitle().toStdString(), Bytes() != original_);
    if (answer == memorymap::CancelAnswer::Keep)
        QDialog::accept();
    else if (answer == memorymap::CancelAnswer::Discard)
        QDialog::reject();
}

bool MemoryMapDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == grid_)
            return GridKey(key);
        if (watched == editor_)
            return EditorKey(key);
    }
    return QDialog::eventFilter(watched, event);
}

// Enter is the grid's edit key here, not a move to the next control, so the shared
// keyboard filter does not serve it.
bool MemoryMapDialog::GridKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BeginEdit(model_->CellText(Current()));
        editor_->selectAll();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        BeginEdit({});
        return true;
    case Qt::Key_Right:
        SetCurrent(memorymap::Right(Current()));
        return true;
    case Qt::Key_Left:
        SetCurrent(memorymap::Left(Current()));
        return true;
    default:
        break;
    }
    if (TypesHexDigit(key)) {
        BeginEdit({});
        QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
        QCoreApplication::sendEvent(editor_, &typed);
        return true;
    }
    return TypesText(key); // no search by typed text: other characters do nothing
}

bool MemoryMapDialog::EditorKey(const QKeyEvent& key)
{
    if (IsEnter(key)) {
        const GridCell cell = editCell_;
        grid_->setFocus(Qt::OtherFocusReason);
        SetCurrent(memorymap::Right(cell));
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        editor_->setText(model_->CellText(editCell_));
        grid_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void MemoryMapDialog::BeginEdit(const QString& text)
{
    editCell_ = Current();
    editor_->setText(text);
    PlaceEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void MemoryMapDialog::EndEdit()
{
    if (editor_->isHidden())
        return;
    editor_->hide();
    model_->SetCellText(editCell_, editor_->text());
}

void MemoryMapDialog::PlaceEditor()
{
    editor_->setGeometry(grid_->visualRect(model_->IndexOf(editCell_)));
}

} // namespace qtr::gui
