#pragma once

#include "core/base/GridCell.h"
#include "core/model/ImageView.h"

#include <QAbstractTableModel>
#include <QFont>

namespace qtr::gui {

// The memory map's working copy of the image, 64 rows of 16 bytes with the highest
// addresses at the top; the image itself changes only when the dialog is accepted.
class MemoryMapModel : public QAbstractTableModel {
    Q_OBJECT
public:
    MemoryMapModel(const ImageBytes& image, const QFont& font, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static GridCell CellOf(const QModelIndex& index) { return {index.row() + 1, index.column() + 1}; }
    QModelIndex IndexOf(GridCell cell) const { return index(cell.row - 1, cell.column - 1); }

    QString CellText(GridCell cell) const;
    // The cell keeps what the rules make of an editor's text.
    void SetCellText(GridCell cell, const QString& edited);
    const ImageBytes& Bytes() const { return bytes_; }

private:
    ImageBytes bytes_;
    QFont font_;
};

} // namespace qtr::gui
