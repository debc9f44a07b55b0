#pragma once

#include "core/channels/ChannelCommand.h"
#include "core/channels/ChannelGridRules.h"
#include "core/channels/ChannelListEntries.h"
#include "gui/widgets/EditingGrid.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace qtr {
class Workspace;
}

namespace qtr::gui {

class ChannelWindows;
class FrequencyEdit;
class OffEntryCombo;
class ToneCombo;
class ValueCombo;

// The channel information grid: one row per channel slot with the main channel fields,
// edited in place, and the keys that insert, delete and copy channels and open the edit form.
class ChannelGridView : public QWidget, private EditingGrid::Editing {
    Q_OBJECT
public:
    explicit ChannelGridView(ChannelWindows& windows, QWidget* parent = nullptr);

    void RefreshRow(int slot);
    void RefreshAllRows();
    // The edit form moved the current channel.
    void ShowSlot(int slot);
    // Commits the open editor, if any.
    void FinishEdit();

    EditingGrid& Grid() const { return *grid_; }
    QString FreeAreaText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool BeginEdit(GridCell cell) override;
    void ClearEditor() override;
    bool StartsEditing(GridCell cell, char typed) const override;
    GridCell Left(GridCell cell) const override { return rules_.Left(cell); }
    GridCell Right(GridCell cell) const override { return rules_.Right(cell); }

    void BuildGrid();
    void BuildEditors();
    QLayout* BuildButtons();
    QWidget* FillEditor(GridEditor editor, GridCell cell);
    void Chosen(int entry);
    void EditEnded(GridCell cell, EditingGrid::EditEnd how);
    void Commit(GridEditor editor, GridCell cell);
    void RunCommand(ChannelCommand command, GridCell cell);
    void DoubleClicked(GridCell cell);
    void RowChanged(int row);
    void RefreshTitle();

    ChannelWindows& windows_;
    Workspace& app_;
    ChannelGridRules rules_;
    ChannelListEntries entries_;
    EditingGrid* grid_ = nullptr;
    QLineEdit* freeArea_ = nullptr;
    QPushButton* editButton_ = nullptr;
    FrequencyEdit* frequencyEdit_ = nullptr;
    ToneCombo* toneList_ = nullptr;
    ValueCombo* fieldList_ = nullptr;
    OffEntryCombo* parlaneFrequencyList_ = nullptr;
    GridEditor editor_ = GridEditor::None;
    GridCell editCell_;
};

} // namespace qtr::gui
