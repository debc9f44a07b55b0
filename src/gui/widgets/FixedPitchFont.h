#pragma once

#include <QFont>

namespace qtr::gui {

// The program's fixed-pitch font for code fields and previews: "Courier" of size 10 where
// there is one; on Linux its metric twin Liberation Mono (Debian's fonts-liberation2, which
// the set-up installs), which Qt does not find under the name "Courier" by itself; failing
// both, the system's nearest typewriter face.
inline QFont FixedPitchFont()
{
    QFont font("Courier", 10);
    font.setFamilies({QStringLiteral("Courier"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace qtr::gui
