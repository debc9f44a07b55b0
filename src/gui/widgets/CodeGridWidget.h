#pragma once

#include "core/base/ImageNotifier.h"
#include "core/features/CodeGrid.h"
#include "gui/widgets/EditingGrid.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLineEdit;

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

// A code grid of a settings window on the editing grid: each cell is edited in place in
// a fixed-pitch text field that takes only the column's characters. Enter or Delete on a
// cell opens its editor (with the cell's text, or empty), and so does a character the
// column takes; in the editor Enter stores the text and moves on, Escape drops it, and
// leaving the editor stores it. Home goes to the first row, F1 opens the grid's help.
class CodeGridWidget : public QWidget, private EditingGrid::Editing {
    Q_OBJECT
public:
    CodeGridWidget(form::CodeGrid& grid, Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

    EditingGrid& Grid() const { return *grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool BeginEdit(GridCell cell) override;
    void ClearEditor() override;
    bool StartsEditing(GridCell cell, char typed) const override;
    GridCell Left(GridCell cell) const override;
    GridCell Right(GridCell cell) const override;

    void BuildGrid();
    QLineEdit& Editor(int column) const { return *editors_.at(static_cast<std::size_t>(column - 1)); }
    void EditEnded(GridCell cell, EditingGrid::EditEnd how);
    void ShowAll();
    void ShowRow(int row);

    form::CodeGrid& codes_;
    Workspace& app_;
    EditingGrid* grid_;
    std::vector<QLineEdit*> editors_;
    int editColumn_ = 1;
    bool storing_ = false; // the grid's own notices are not news to it
    std::optional<QString> openedText_; // the cell's text when its editor opened
    ImageNotifier::Subscription imageNotices_;
};

} // namespace qtr::gui
