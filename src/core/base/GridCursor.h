#pragma once

#include "core/base/GridCell.h"

namespace qtr {

// Moves between the data cells of a grid of rows 1..lastRow and columns 1..lastColumn:
// Right from the last column continues in column 1 of the next row, Left from column 1 in
// the last column of the previous row; the first and the last cell stay where they are.
class GridCursor {
public:
    GridCursor(int lastRow, int lastColumn);

    GridCell Right(GridCell cell) const;
    GridCell Left(GridCell cell) const;
    GridCell Down(GridCell cell) const;

private:
    int lastRow_;
    int lastColumn_;
};

} // namespace qtr
