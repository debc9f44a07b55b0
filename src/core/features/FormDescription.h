#pragma once

#include "core/features/FormRow.h"

#include <vector>

namespace qtr::form {

// A settings window's rows in the order shown; a form with tab pages names the tab texts,
// and each row says on which page it stands. Its title and help topic are its row of the
// editor table.
struct FormDescription {
    std::vector<FormRow> rows;
    std::vector<int> pageMessages;
};

} // namespace qtr::form
