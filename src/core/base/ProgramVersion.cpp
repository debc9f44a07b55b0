#include "core/base/ProgramVersion.h"

namespace qtr {

std::string VersionLine(const std::string& program)
{
    return program + " " + QTR_VERSION;
}

} // namespace qtr
