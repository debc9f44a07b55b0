#pragma once

#include "core/base/GridCell.h"
#include "core/model/ImageView.h"

#include <QDialog>

class QLineEdit;
class QTableView;

namespace qtr {
class MessageCatalog;
class Prompter;
} // namespace qtr

namespace qtr::gui {

class MemoryMapModel;

// The Memory Map: every byte of the image in hexadecimal, editable one cell at a time
// through a two-digit editor laid over the cell. The edited bytes are the dialog's own until
// OK; Cancel leaves the image as it was, once the user has said the edits may go.
class MemoryMapDialog : public QDialog {
    Q_OBJECT
public:
    MemoryMapDialog(const ImageBytes& image, const MessageCatalog& catalog, Prompter& prompter,
                    QWidget* parent = nullptr);

    // The bytes as the cells hold them.
    const ImageBytes& Bytes() const;
    QTableView& Grid() const { return *grid_; }
    QLineEdit& Address() const { return *address_; }
    QLineEdit& CellEditor() const { return *editor_; }
    GridCell Current() const;
    QString CellText(GridCell cell) const;

    void accept() override;
    // With edited bytes, asks whether to keep them first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGrid();
    void FitToScreen();
    void SetCurrent(GridCell cell);
    bool GridKey(const QKeyEvent& key);
    bool EditorKey(const QKeyEvent& key);
    void BeginEdit(const QString& text);
    // The editor's text goes into its cell and the editor hides.
    void EndEdit();
    void PlaceEditor();

    Prompter& prompter_;
    const ImageBytes original_;
    MemoryMapModel* model_;
    QTableView* grid_;
    QLineEdit* address_;
    QLineEdit* editor_;
    GridCell editCell_;
    QSize preferredGridSize_;
};

} // namespace qtr::gui
