#include "core/document/DataFileFilter.h"

namespace qtr {

std::string DataFileFilter(const std::string& filterText)
{
    constexpr const char* kPattern = "*.dat";
    if (filterText.find(kPattern) != std::string::npos)
        return filterText;
    return filterText + (filterText.empty() ? "" : " ") + "(" + kPattern + ")";
}

} // namespace qtr
