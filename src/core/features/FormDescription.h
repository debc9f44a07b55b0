#pragma once

#include "core/features/FormRow.h"

#include <vector>

namespace qtr::form {

// A settings window: its title, its help topic and its rows in the order shown; a form
// with tab pages names the tab texts, and each row says on which page it stands.
struct FormDescription {
    int titleMessage = 0;
    int helpTopic = 0;
    std::vector<FormRow> rows;
    std::vector<int> pageMessages;
};

} // namespace qtr::form
