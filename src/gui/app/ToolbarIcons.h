#pragma once

#include <QIcon>

namespace qtr::gui {

// The program's pictures, drawn rather than shipped: the toolbar buttons (an empty
// icon for a command without one) and the application icon, a hand-held radio.
QIcon CommandIcon(int commandId);
QIcon ApplicationIcon();

} // namespace qtr::gui
