#pragma once

#include "core/channels/ChannelField.h"
#include "core/base/GridCell.h"
#include "core/channels/GridEditor.h"

namespace qtr {

class ChannelTable;
class RadioState;

// Where the channel information grid edits and moves: the editor a cell opens, the cells
// that redirect an edit, the Parlane column skipping, where Enter goes after each editor
// commits, and the help topic of a column. Columns are numbered as the grid shows them:
// 1 receive, 2 transmit, 3 decode, 4 encode, 5 TX power, 6 wide/narrow, 7 scan add, and on
// LMR models 8 option signalling and 9 PTT ID.
class ChannelGridRules {
public:
    static constexpr int kReceive = 1;
    static constexpr int kTransmit = 2;
    static constexpr int kDecode = 3;
    static constexpr int kEncode = 4;
    static constexpr int kTxPower = 5;
    static constexpr int kWideNarrow = 6;
    static constexpr int kOptionSignalling = 8;
    static constexpr int kPttId = 9;

    // The cell an edit really opens on, and the editor laid over it.
    struct Edit {
        GridCell cell;
        GridEditor editor = GridEditor::None;
        bool operator==(const Edit&) const = default;
    };

    ChannelGridRules(const ChannelTable& channels, const RadioState& state);

    int LastRow() const;
    int LastColumn() const;
    ChannelField FieldOf(int column) const;

    GridCell Right(GridCell cell) const;
    GridCell Left(GridCell cell) const;
    Edit StartEdit(GridCell cell) const;
    // Where the grid goes when Enter commits `editor` on `cell`, judged on the channel as stored.
    GridCell AfterEnter(GridEditor editor, GridCell cell) const;

    // A digit or "." on a frequency cell, a tone character on a tone cell.
    static bool StartsEditing(int column, char typed);
    static int HelpTopic(int column);

private:
    GridEditor EditorFor(int column) const;
    bool HasTransmit(const GridCell& cell) const;
    bool TransmitCellEmpty(const GridCell& cell) const;

    const ChannelTable& channels_;
    const RadioState& state_;
};

} // namespace qtr
