#include "core/link/TextFields.h"

namespace qtr {

std::vector<std::string> SplitFields(const std::string& text, char separator)
{
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == separator)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

} // namespace qtr
