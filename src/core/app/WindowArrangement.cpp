#include "core/app/WindowArrangement.h"

#include <algorithm>

namespace qtr {

std::vector<WindowRect> TileRects(int count, PictureSize area, TileDirection direction)
{
    std::vector<WindowRect> rects;
    if (count <= 0)
        return rects;
    const bool stacked = direction == TileDirection::Horizontally;
    const int length = stacked ? area.height : area.width;
    const int share = length / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * share;
        const int size = i == count - 1 ? length - start : share;
        rects.push_back(stacked ? WindowRect{0, start, area.width, size} : WindowRect{start, 0, size, area.height});
    }
    return rects;
}

std::vector<WindowRect> IconRects(int count, PictureSize area, PictureSize icon)
{
    std::vector<WindowRect> rects;
    const int perRow = std::max(1, area.width / std::max(1, icon.width));
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        rects.push_back({column * icon.width, area.height - (row + 1) * icon.height, icon.width, icon.height});
    }
    return rects;
}

} // namespace qtr
