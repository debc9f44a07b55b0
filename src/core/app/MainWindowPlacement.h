#pragma once

#include "core/app/SettingsRules.h"

#include <optional>

namespace qtr {

// How the main window is shown, in the terms of the "LastWinPos" setting.
enum class ShowMode { Normal, Maximized, Minimized };

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

// The placement stored when the window closes; a maximized window restores to maximized.
WindowPlacement PlacementOf(const WindowRect& normal, ShowMode mode);
ShowMode ShowModeOf(const WindowPlacement& placement);
// Nothing for an empty rectangle, which would leave no window to see.
std::optional<WindowRect> NormalRectOf(const WindowPlacement& placement);

} // namespace qtr
