#include "core/app/FleetRecord.h"

namespace qtr {

const char* FleetResultWord(FleetResult result)
{
    switch (result) {
    case FleetResult::Written:
        return "written";
    case FleetResult::Verified:
        return "verified";
    case FleetResult::Refused:
        return "refused";
    case FleetResult::Failed:
        break;
    }
    return "failed";
}

} // namespace qtr
