#pragma once

#include <QFont>

namespace qtr::gui {

// The program's fixed-pitch font for code fields and previews: "Courier" of size 10, or
// the system's nearest typewriter face where there is no Courier.
inline QFont FixedPitchFont()
{
    QFont font("Courier", 10);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace qtr::gui
