#pragma once

#include "core/features/FormRow.h"

#include <vector>

namespace qtr::form {

// A settings window: its title, its help topic and its rows in the order shown.
struct FormDescription {
    int titleMessage = 0;
    int helpTopic = 0;
    std::vector<FormRow> rows;
};

} // namespace qtr::form
