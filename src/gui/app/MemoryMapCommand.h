#pragma once

namespace qtr::gui {

class MainWindow;

// Program, Memory Map: the dialog on the image; OK writes its bytes, closes the editors
// (they showed the bytes before) and shows Channel Information again.
void RegisterMemoryMap(MainWindow& frame);

} // namespace qtr::gui
