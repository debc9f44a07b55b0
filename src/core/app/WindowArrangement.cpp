#include "core/app/WindowArrangement.h"

#include <algorithm>

namespace qtr {

namespace {

long long OverlapArea(const WindowRect& a, const WindowRect& b)
{
    const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

bool Inside(const WindowRect& rect, PictureSize area)
{
    return rect.left >= 0 && rect.top >= 0 && rect.left + rect.width <= area.width &&
           rect.top + rect.height <= area.height;
}

WindowRect MovedInside(WindowRect rect, PictureSize area)
{
    rect.left = std::clamp(rect.left, 0, std::max(0, area.width - rect.width));
    rect.top = std::clamp(rect.top, 0, std::max(0, area.height - rect.height));
    return rect;
}

// Right of, below, left of and above the window, aligned with its top or left edge.
std::vector<WindowRect> SpotsBeside(const WindowRect& window, PictureSize size)
{
    return {{window.left + window.width, window.top, size.width, size.height},
            {window.left, window.top + window.height, size.width, size.height},
            {window.left - size.width, window.top, size.width, size.height},
            {window.left, window.top - size.height, size.width, size.height}};
}

} // namespace

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

WindowRect PlaceNewWindow(PictureSize area, PictureSize size, const std::optional<WindowRect>& working,
                         const std::vector<WindowRect>& others)
{
    const PictureSize fitted{std::min(size.width, area.width), std::min(size.height, area.height)};
    if (!working)
        return {0, 0, fitted.width, fitted.height};
    const auto spots = SpotsBeside(*working, fitted);
    const auto coversNothing = [&](const WindowRect& spot) {
        return std::none_of(others.begin(), others.end(), [&](const WindowRect& other) { return OverlapArea(spot, other) > 0; });
    };
    for (const bool othersToo : {true, false})
        for (const WindowRect& spot : spots)
            if (Inside(spot, area) && OverlapArea(spot, *working) == 0 && (!othersToo || coversNothing(spot)))
                return spot;
    WindowRect best = MovedInside(spots.front(), area);
    for (const WindowRect& spot : spots) {
        const WindowRect inside = MovedInside(spot, area);
        if (OverlapArea(inside, *working) < OverlapArea(best, *working))
            best = inside;
    }
    return best;
}

namespace {

constexpr int kClearGap = 8;

int Right(const WindowRect& rect)
{
    return rect.left + rect.width;
}

int Bottom(const WindowRect& rect)
{
    return rect.top + rect.height;
}

// The start that centres `length` on the span [start, start + span), kept inside
// [low, high) where it fits.
int CentredWithin(int start, int span, int length, int low, int high)
{
    const int centre = static_cast<int>((2LL * start + span - 1) / 2);
    return std::clamp(centre - length / 2, low, std::max(low, high - length));
}

bool Inside(const WindowRect& outer, const WindowPoint& point, PictureSize size)
{
    return point.left >= outer.left && point.top >= outer.top && point.left + size.width <= Right(outer) &&
           point.top + size.height <= Bottom(outer);
}

} // namespace

WindowPoint PlaceClearOf(const WindowRect& avoid, PictureSize size, const WindowRect& screen)
{
    const int centredX = CentredWithin(avoid.left, avoid.width, size.width, screen.left, Right(screen));
    const int centredY = CentredWithin(avoid.top, avoid.height, size.height, screen.top, Bottom(screen));
    const WindowPoint candidates[] = {
        {centredX, Bottom(avoid) + kClearGap},
        {centredX, avoid.top - kClearGap - size.height},
        {Right(avoid) + kClearGap, centredY},
        {avoid.left - kClearGap - size.width, centredY},
    };
    for (const WindowPoint& candidate : candidates)
        if (Inside(screen, candidate, size))
            return candidate;
    return {centredX, std::min(Bottom(avoid) + kClearGap, std::max(screen.top, Bottom(screen) - size.height))};
}

} // namespace qtr
