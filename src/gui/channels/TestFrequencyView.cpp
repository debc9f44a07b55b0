#include "gui/channels/TestFrequencyView.h"

#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "core/base/messages/Common.h"
#include "core/app/CommandIds.h"
#include "core/app/EditorTable.h"
#include "core/app/Workspace.h"
#include "core/base/GridCursor.h"
#include "core/base/HelpViewer.h"
#include "core/base/Prompter.h"
#include "core/base/messages/Channels.h"
#include "core/base/messages/Common.h"
#include "core/model/InputFilter.h"
#include "gui/widgets/CatalogText.h"
#include "gui/widgets/EditorSubWindow.h"
#include "gui/widgets/EditorButtonRow.h"
#include "gui/widgets/FrequencyEdit.h"

#include <QVBoxLayout>

namespace qtr::gui {

namespace {

using Column = TestFrequencyTable::Column;

constexpr int kColumnCount = 2;
constexpr int kFrequencyLength = 9;
const std::vector<int> kWidthsTwips{900, 1200, 1200};

Column ColumnOf(GridCell cell)
{
    return cell.column == 1 ? Column::Receive : Column::Transmit;
}

GridCursor Cursor()
{
    return {TestFrequencyTable::kEntryCount, kColumnCount};
}

} // namespace

TestFrequencyView::TestFrequencyView(Workspace& app, HelpViewer& help, QWidget* parent)
    : QWidget(parent), prompter_(app.prompter), table_(app.state, app.codec, app.prompter)
{
    setWindowTitle(CatalogText(app.catalog, EditorOf(command::kTestFrequency).titleId, 1));
    app.state.TakeSnapshot();
    BuildGrid(app.catalog);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(grid_);
    layout->addLayout(BuildButtons(app.catalog, help));
    RefreshAll();
    grid_->SetCurrent({1, 1});
    setFocusProxy(grid_);
    imageNotices_ = app.state.notices.Subscribe([this](const ImageNotice& notice) { ImageNoticed(notice); });
}

// After a read or a write the image and the radio agree: no change is left to remind of.
void TestFrequencyView::ImageNoticed(const ImageNotice& notice)
{
    if (notice.reason == ImageReason::ReadFromRadio || notice.reason == ImageReason::WrittenToRadio)
        ForgetChanges();
    if (notice.reason == ImageReason::Restored)
        RefreshAll();
}

void TestFrequencyView::WarnWhenChanged()
{
    FinishEdit();
    if (Changed())
        prompter_.Ask({.captionId = messages::common::kWarningCaption,
                       .messageId = messages::channels::kTestFrequenciesChanged,
                       .icon = Icon::Warning});
}

void TestFrequencyView::closeEvent(QCloseEvent* event)
{
    if (!EditorSubWindow::ClosingWithProgram(*this))
        WarnWhenChanged();
    QWidget::closeEvent(event);
}

void TestFrequencyView::BuildGrid(const MessageCatalog& catalog)
{
    grid_ = new EditingGrid(*this, this);
    const QString megahertz = CatalogText(catalog, messages::common::kMegahertzHeader, 1);
    const QStringList headers{CatalogText(catalog, messages::common::kChannel, 1),
                              CatalogText(catalog, messages::common::kRx, 1) + ' ' + megahertz,
                              CatalogText(catalog, messages::common::kTx, 1) + ' ' + megahertz};
    QStringList labels;
    for (int entry = 1; entry <= TestFrequencyTable::kEntryCount; ++entry)
        labels << QString::number(entry);
    grid_->Layout(headers, kWidthsTwips, labels);
    edit_ = new FrequencyEdit(grid_);
    edit_->hide();
    connect(grid_, &EditingGrid::EditEnded, this, &TestFrequencyView::EditEnded);
}

QLayout* TestFrequencyView::BuildButtons(const MessageCatalog& catalog, HelpViewer& help)
{
    auto* row = new EditorButtonRow(*this, catalog, help, EditorOf(command::kTestFrequency).helpTopic);
    row->addStretch();
    return row;
}

void TestFrequencyView::FinishEdit()
{
    grid_->EndEdit(EditingGrid::EditEnd::FocusLeft);
}

void TestFrequencyView::ForgetChanges()
{
    grid_->EndEdit(EditingGrid::EditEnd::Escape);
    changed_ = false;
}

bool TestFrequencyView::BeginEdit(GridCell cell)
{
    grid_->EndEdit(EditingGrid::EditEnd::FocusLeft);
    grid_->SetCurrent(cell);
    startText_ = grid_->Text(cell);
    edit_->setText(startText_);
    edit_->selectAll();
    grid_->OpenEditor(*edit_, cell);
    return true;
}

void TestFrequencyView::ClearEditor()
{
    edit_->clear();
}

bool TestFrequencyView::StartsEditing(GridCell, char typed) const
{
    return FilterTypedCharacter(InputClass::DecimalNumber, typed, {}, kFrequencyLength).has_value();
}

GridCell TestFrequencyView::Left(GridCell cell) const
{
    return Cursor().Left(cell);
}

GridCell TestFrequencyView::Right(GridCell cell) const
{
    return Cursor().Right(cell);
}

void TestFrequencyView::EditEnded(GridCell cell, EditingGrid::EditEnd how)
{
    if (how != EditingGrid::EditEnd::Escape) {
        const auto result = table_.Commit(cell.row - 1, ColumnOf(cell), edit_->text().toStdString(),
                                          startText_.toStdString());
        changed_ = changed_ || result.changed;
        if (result.defaultsRestored)
            RefreshAll();
        else
            RefreshRow(cell.row);
    }
    if (how == EditingGrid::EditEnd::Enter)
        grid_->SetCurrent(Cursor().Right(cell));
}

void TestFrequencyView::RefreshRow(int row)
{
    grid_->SetText({row, 1}, FromUtf8(table_.Text(row - 1, Column::Receive)));
    grid_->SetText({row, 2}, FromUtf8(table_.Text(row - 1, Column::Transmit)));
}

void TestFrequencyView::RefreshAll()
{
    for (int row = 1; row <= TestFrequencyTable::kEntryCount; ++row)
        RefreshRow(row);
}

} // namespace qtr::gui
