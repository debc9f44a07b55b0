#pragma once

namespace qtr {

// The in-place editors of the channel information grid.
enum class GridEditor {
    None,                 // the cell cannot be edited
    FrequencyEdit,        // LMR frequency cells
    LmrToneList,          // LMR decode and encode cells
    FieldList,            // the list fields: TX power, wide/narrow, scan add, option signalling, PTT ID
    ParlaneFrequencyList, // Parlane receive cell
    ParlaneToneList,      // Parlane decode cell
};

} // namespace qtr
