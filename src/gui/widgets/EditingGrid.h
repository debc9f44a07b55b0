#pragma once

#include "core/base/GridCell.h"

#include <QTableWidget>

#include <QElapsedTimer>
#include <QPointer>

#include <optional>
#include <vector>

namespace qtr::gui {

class FocusLeaveWatcher;

// The grid of an editor window: a header row, a first column of row labels and centred
// cells addressed in the grid's own numbering (data from row 1, column 1), sized to its
// content. One editor at a time is laid over a cell; it ends when it loses the focus, on
// Enter or on Escape, and the window then commits (or, on Escape, drops) its value.
class EditingGrid : public QTableWidget {
    Q_OBJECT
public:
    enum class EditEnd { FocusLeft, Enter, Escape };

    // What the window does when a click or a key of the grid asks to edit or to move.
    class Editing {
    public:
        virtual ~Editing() = default;
        // Opens the editor of the cell, or of the cell the edit goes to; false when none opens.
        virtual bool BeginEdit(GridCell cell) = 0;
        // Delete or Backspace started the edit: the editor starts with nothing in it.
        virtual void ClearEditor() = 0;
        virtual bool StartsEditing(GridCell cell, char typed) const = 0;
        virtual GridCell Left(GridCell cell) const = 0;
        virtual GridCell Right(GridCell cell) const = 0;
    };

    EditingGrid(Editing& editing, QWidget* parent);
    ~EditingGrid() override;

    // Headers and widths (in twips) of all columns from column 0, and the row labels.
    void Layout(const QStringList& headers, const std::vector<int>& widthsTwips, const QStringList& rowLabels);
    void SetText(GridCell cell, const QString& text);
    QString Text(GridCell cell) const;
    GridCell Current() const;
    void SetCurrent(GridCell cell);

    // Lays the editor over the cell, shows it and gives it the focus.
    void OpenEditor(QWidget& editor, GridCell cell);
    // Ends the open editor, if any; the grid takes the focus back unless it was lost.
    void EndEdit(EditEnd how);
    QWidget* Editor() const { return editor_; }

signals:
    // A double click, also one whose second click lands on the editor the first one opened.
    void DoubleClicked(GridCell cell);
    // The current cell moved to another row.
    void RowChanged(int row);
    void EditEnded(GridCell cell, EditEnd how);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The key that started an edit is the first one the editor gets.
    void PassToEditor(const QKeyEvent& key);
    // The printable ASCII character a key types, if it types one.
    static std::optional<char> TypedCharacter(const QKeyEvent& key);

    QRect EditorRect(const QWidget& editor, GridCell cell) const;
    void SizeToContent();
    void WidenToFit(int column, const QString& text);
    void KeepOffTheLabels(int row, int column);
    bool EditorKey(const QKeyEvent& key);
    bool SecondClick() const;

    Editing& editing_;
    FocusLeaveWatcher* focusWatcher_;
    QPointer<QWidget> editor_;
    GridCell editCell_;
    QElapsedTimer sinceClick_;
    int shownRow_ = -1;
};

} // namespace qtr::gui
