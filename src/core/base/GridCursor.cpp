#include "core/base/GridCursor.h"

namespace qtr {

GridCursor::GridCursor(int lastRow, int lastColumn) : lastRow_(lastRow), lastColumn_(lastColumn)
{
}

GridCell GridCursor::Right(GridCell cell) const
{
    if (cell.column < lastColumn_)
        return {cell.row, cell.column + 1};
    return cell.row < lastRow_ ? GridCell{cell.row + 1, 1} : cell;
}

GridCell GridCursor::Left(GridCell cell) const
{
    if (cell.column > 1)
        return {cell.row, cell.column - 1};
    return cell.row > 1 ? GridCell{cell.row - 1, lastColumn_} : cell;
}

GridCell GridCursor::Down(GridCell cell) const
{
    return cell.row < lastRow_ ? GridCell{cell.row + 1, cell.column} : cell;
}

} // namespace qtr
