#include "core/report/PrintListButtons.h"

namespace qtr::report {

PrintListButtons PrintListButtonStates(SectionMask checked, bool parlane)
{
    const SectionMask offered = OfferedSections(parlane);
    const bool any = (checked & offered) != 0;
    return {any, any, (checked & offered) != offered};
}

} // namespace qtr::report
