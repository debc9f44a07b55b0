#include "core/app/MainWindowPlacement.h"

#include <climits>

namespace qtr {

namespace {

// The show states and the flag of the placement record.
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;
constexpr int kMinimize = 6;
constexpr int kShowMinimizedInactive = 7;
constexpr int kRestoreToMaximized = 2;
constexpr int kNoPosition = -1;

} // namespace

WindowPlacement PlacementOf(const WindowRect& normal, ShowMode mode)
{
    const bool maximized = mode == ShowMode::Maximized;
    return {.flags = maximized ? kRestoreToMaximized : 0,
            .showState = maximized ? kShowMaximized : mode == ShowMode::Minimized ? kShowMinimized : kShowNormal,
            .minX = kNoPosition,
            .minY = kNoPosition,
            .maxX = kNoPosition,
            .maxY = kNoPosition,
            .left = normal.left,
            .top = normal.top,
            .right = normal.left + normal.width,
            .bottom = normal.top + normal.height};
}

// A hidden window (state 0) or an unknown state would leave the user without a
// window; both open normally.
ShowMode ShowModeOf(const WindowPlacement& placement)
{
    switch (placement.showState) {
    case kShowMaximized:
        return ShowMode::Maximized;
    case kShowMinimized:
    case kMinimize:
    case kShowMinimizedInactive:
        return ShowMode::Minimized;
    default:
        return ShowMode::Normal;
    }
}

std::optional<WindowRect> NormalRectOf(const WindowPlacement& placement)
{
    // Wide enough for any two ints read from the setting.
    const long long width = static_cast<long long>(placement.right) - placement.left;
    const long long height = static_cast<long long>(placement.bottom) - placement.top;
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return std::nullopt;
    return WindowRect{placement.left, placement.top, static_cast<int>(width), static_cast<int>(height)};
}

} // namespace qtr
