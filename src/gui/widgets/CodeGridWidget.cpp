#include "gui/widgets/CodeGridWidget.h"

#include "core/app/Workspace.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/FixedPitchFont.h"
#include "gui/widgets/KeyboardFilter.h"
#include "gui/widgets/TypedCharacterFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qtr::gui {

CodeGridWidget::CodeGridWidget(form::CodeGrid& grid, Workspace& app, HelpViewer& help, QWidget* parent)
    : QWidget(parent), codes_(grid), app_(app), grid_(new EditingGrid(*this, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(grid_);
    BuildGrid();
    setFocusProxy(grid_);
    KeyboardFilter::WithHelpTopic(*this, help, grid.Description().helpTopic);
    ShowAll();
    grid_->SetCurrent({1, 1});
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.kind == ImageNotice::Kind::Changed && !storing_)
            ShowAll();
    });
}

void CodeGridWidget::BuildGrid()
{
    QStringList headers;
    std::vector<int> widths;
    for (const form::GridColumn& column : codes_.Description().columns) {
        headers << CatalogText(app_.catalog, column.headerMessage, 1);
        widths.push_back(column.widthTwips);
    }
    QStringList numbers;
    for (int row = 1; row <= codes_.LastRow(); ++row)
        numbers << QString::number(row);
    grid_->Layout(headers, widths, numbers);
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 1; column < grid_->columnCount(); ++column)
            grid_->item(row, column)->setFont(FixedPitchFont());
    grid_->installEventFilter(this);
    for (int column = 1; column <= codes_.LastColumn(); ++column) {
        auto* editor = new QLineEdit(grid_);
        const form::InputLimit& limit = codes_.Limit({1, column});
        editor->setFont(FixedPitchFont());
        editor->setFrame(false);
        editor->hide();
        new TypedCharacterFilter(limit.inputClass, static_cast<int>(limit.maxLength), *editor, *editor);
        editors_.push_back(editor);
    }
    connect(grid_, &EditingGrid::EditEnded, this, &CodeGridWidget::EditEnded);
}

void CodeGridWidget::ShowAll()
{
    for (int row = 1; row <= codes_.LastRow(); ++row)
        ShowRow(row);
}

void CodeGridWidget::ShowRow(int row)
{
    for (int column = 1; column <= codes_.LastColumn(); ++column)
        grid_->SetText({row, column}, FromUtf8(codes_.Text({row, column})));
}

bool CodeGridWidget::BeginEdit(GridCell cell)
{
    grid_->EndEdit(EditingGrid::EditEnd::FocusLeft);
    if (cell.column < 1)
        return false;
    grid_->SetCurrent(cell);
    editColumn_ = cell.column;
    QLineEdit& editor = Editor(cell.column);
    openedText_ = grid_->Text(cell);
    editor.setText(*openedText_);
    editor.selectAll();
    grid_->OpenEditor(editor, cell);
    return true;
}

void CodeGridWidget::ClearEditor()
{
    Editor(editColumn_).clear();
    openedText_.reset(); // a cleared cell is stored even when it looked empty

}

bool CodeGridWidget::StartsEditing(GridCell cell, char typed) const
{
    return codes_.StartsEditing(cell, typed);
}

GridCell CodeGridWidget::Left(GridCell cell) const
{
    return codes_.Left(cell);
}

GridCell CodeGridWidget::Right(GridCell cell) const
{
    return codes_.Right(cell);
}

void CodeGridWidget::EditEnded(GridCell cell, EditingGrid::EditEnd how)
{
    // Leaving a cell as it was opened stores nothing, so a value no row shows survives a visit.
    const bool unchanged = openedText_ && Editor(cell.column).text() == *openedText_;
    if (how != EditingGrid::EditEnd::Escape && !unchanged) {
        storing_ = true;
        codes_.Commit(cell, Editor(cell.column).text().toStdString());
        storing_ = false;
    }
    ShowRow(cell.row);
    if (how == EditingGrid::EditEnd::Enter)
        grid_->SetCurrent(codes_.AfterEnter(cell));
}

bool CodeGridWidget::eventFilter(QObject* watched, QEvent* event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!keyEvent)
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched != grid_ || key.key() != Qt::Key_Home || key.modifiers() != Qt::NoModifier)
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress)
        grid_->SetCurrent({1, grid_->Current().column});
    return true;
}

} // namespace qtr::gui
