#pragma once

#include "core/app/ClientBackground.h"
#include "core/app/MainWindowPlacement.h"

#include <vector>

namespace qtr {

// Tile Horizontally puts the windows one above the other, each as wide as the area;
// Tile Vertically puts them side by side, each as high as the area. The last window
// takes what the division leaves over.
enum class TileDirection { Horizontally, Vertically };
std::vector<WindowRect> TileRects(int count, PictureSize area, TileDirection direction);

// Arrange Icons: minimized windows in rows along the bottom of the area, from the left.
std::vector<WindowRect> IconRects(int count, PictureSize area, PictureSize icon);

} // namespace qtr
