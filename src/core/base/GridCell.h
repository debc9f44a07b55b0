#pragma once

namespace qtr {

// A cell of an editing grid in the grid's own numbering: row 0 is the header and column 0
// the row labels, so data cells start at row 1, column 1 (row r shows slot or entry r - 1).
struct GridCell {
    int row = 1;
    int column = 1;
    bool operator==(const GridCell&) const = default;
};

} // namespace qtr
