#pragma once

#include "core/app/MainWindowPlacement.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qtr {

class SettingsStore;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// The main window's client-area background as the "MDIClient" settings keep it.
struct ClientBackground {
    enum DisplayMode { kTile = 0, kCentre = 1, kStretch = 2, kAtOrigin = 3 };

    int displayMode = kTile;
    std::optional<Rgb> colour; // nothing: the system's workspace colour
    std::string pictureFile;   // empty: the built-in picture
    int originX = 0;
    int originY = 0;
};

ClientBackground ReadClientBackground(const SettingsStore& store);
void WriteClientBackground(SettingsStore& store, const ClientBackground& background);

// Colours are stored as the integer 0x00BBGGRR.
long long ColourSetting(const Rgb& colour);
Rgb ColourOfSetting(long long value);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Where the picture goes in an area of the given size: tiled from the top left (mode 0
// and any unknown mode), centred (1), stretched over the area (2) or at the origin (3).
// Modes 1 and 3, and an area without a picture, are filled with the colour first.
struct BackgroundPaint {
    enum class Picture { None, Tiled, Once };
    bool fillWithColour = false;
    Picture picture = Picture::None;
    WindowRect rect; // where the picture goes; tiles start at its top left and fill it
};
BackgroundPaint LayOutBackground(const ClientBackground& background, PictureSize area, PictureSize picture);

} // namespace qtr
