#pragma once

#include "core/app/ClientBackground.h"
#include "core/app/MainWindowPlacement.h"

#include <optional>
#include <vector>

namespace qtr {

// Tile Horizontally puts the windows one above the other, each as wide as the area;
// Tile Vertically puts them side by side, each as high as the area. The last window
// takes what the division leaves over.
enum class TileDirection { Horizontally, Vertically };
std::vector<WindowRect> TileRects(int count, PictureSize area, TileDirection direction);

// Arrange Icons: minimized windows in rows along the bottom of the area, from the left.
std::vector<WindowRect> IconRects(int count, PictureSize area, PictureSize icon);

// Where a new window of the size goes so that it does not cover the window the user works
// in: to its right, below, to its left or above it, the first spot inside the area that
// covers no open window, else the first that leaves the working window free; else the spot
// moved inside the area that covers the least of the working window. The window keeps its
// size, so that it shows all of itself, unless the area is smaller (it then scrolls).
// Without a working window it goes to the area's top left corner.
WindowRect PlaceNewWindow(PictureSize area, PictureSize size, const std::optional<WindowRect>& working,
                          const std::vector<WindowRect>& others);

struct WindowPoint {
    int left = 0;
    int top = 0;

    bool operator==(const WindowPoint&) const = default;
};

// Where a message box of the size goes on the screen so that it leaves `avoid` in view: a
// small gap below it, above it, to its right or to its left, centred on it, the first spot
// inside the screen; without one, below it as far as the screen allows.
WindowPoint PlaceClearOf(const WindowRect& avoid, PictureSize size, const WindowRect& screen);

} // namespace qtr
