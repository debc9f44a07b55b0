#pragma once

#include "core/base/GridCell.h"
#include "core/features/FormRow.h"

#include <functional>
#include <string>
#include <vector>

namespace qtr {

class MessageCatalog;
class RadioState;

namespace form {

// A column of a code grid: its header, its width in twips and what its editor takes.
struct GridColumn {
    int headerMessage = 0;
    int widthTwips = 0;
    InputLimit limit;
};

using CellText = std::function<FieldText(const RadioState&, GridCell)>;
using CellCommit = std::function<void(RadioState&, GridCell, const std::string&)>;

// A grid of codes in a settings window: numbered rows of cells, each edited in place as
// text. Column 0 holds the row numbers; the description's columns start there.
struct GridDescription {
    int helpTopic = 0;
    int rowCount = 0;
    std::vector<GridColumn> columns;
    CellText text;
    CellCommit commit;
    std::function<ImageRange(int row)> rowBytes; // the image bytes of a row's entry
    bool enterMovesRight = false; // Enter in the editor goes on to the next cell, else down
};

// A grid description bound to the radio: what each cell shows, what a typed character
// starts and what the editor's text stores.
class CodeGrid {
public:
    CodeGrid(RadioState& state, const MessageCatalog& catalog, GridDescription description);

    const GridDescription& Description() const { return description_; }
    int LastRow() const { return description_.rowCount; }
    int LastColumn() const { return static_cast<int>(description_.columns.size()) - 1; }
    const InputLimit& Limit(GridCell cell) const;

    std::string Text(GridCell cell) const;
    // The cell named for a printout or a comparison: its column's header and its row number.
    std::string CellName(GridCell cell) const;
    // Stores the text and tells the windows.
    void Commit(GridCell cell, const std::string& text);
    // Whether a typed character opens the cell's editor: one its editor would take.
    bool StartsEditing(GridCell cell, char typed) const;
    GridCell AfterEnter(GridCell cell) const;
    GridCell Left(GridCell cell) const;
    GridCell Right(GridCell cell) const;

private:
    RadioState& state_;
    const MessageCatalog& catalog_;
    GridDescription description_;
};

} // namespace form
} // namespace qtr
