#include "gui/app/MemoryMapModel.h"

#include "core/app/MemoryMap.h"

namespace qtr::gui {

MemoryMapModel::MemoryMapModel(const ImageBytes& image, const QFont& font, QObject* parent)
    : QAbstractTableModel(parent), bytes_(image), font_(font)
{
}

int MemoryMapModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : memorymap::kRowCount;
}

int MemoryMapModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : memorymap::kColumnCount;
}

QVariant MemoryMapModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText(CellOf(index));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::FontRole:
        return font_;
    default:
        return {};
    }
}

QVariant MemoryMapModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::FontRole)
        return font_;
    if (role != Qt::DisplayRole)
        return {};
    const std::string label = orientation == Qt::Horizontal ? memorymap::ColumnLabel(section + 1)
                                                            : memorymap::RowLabel(section + 1);
    return QString::fromStdString(label);
}

QString MemoryMapModel::CellText(GridCell cell) const
{
    return QString::fromStdString(memorymap::CellText(bytes_[memorymap::OffsetOf(cell)]));
}

void MemoryMapModel::SetCellText(GridCell cell, const QString& edited)
{
    bytes_[memorymap::OffsetOf(cell)] = memorymap::ByteOf(memorymap::CellTextOfEditor(edited.toStdString()));
    const QModelIndex changed = IndexOf(cell);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

} // namespace qtr::gui
