#include "core/app/ClientBackground.h"

#include "core/app/SettingsRules.h"
#include "core/base/SettingsStore.h"

#include <climits>

namespace qtr {

namespace {

int ReadInt(const SettingsStore& store, const char* name)
{
    const auto value = store.ReadInteger(settings::kClientSection, name);
    return value && *value >= INT_MIN && *value <= INT_MAX ? static_cast<int>(*value) : 0;
}


} // namespace

ClientBackground ReadClientBackground(const SettingsStore& store)
{
    ClientBackground background;
    background.displayMode = ReadInt(store, settings::kDisplayMode);
    if (const auto colour = store.ReadInteger(settings::kClientSection, settings::kBackColour))
        background.colour = ColourOfSetting(*colour);
    background.pictureFile = store.ReadText(settings::kClientSection, settings::kPictureFile).value_or("");
    background.originX = ReadInt(store, settings::kOriginX);
    background.originY = ReadInt(store, settings::kOriginY);
    return background;
}

void WriteClientBackground(SettingsStore& store, const ClientBackground& background)
{
    store.WriteInteger(settings::kClientSection, settings::kDisplayMode, background.displayMode);
    if (background.colour)
        store.WriteInteger(settings::kClientSection, settings::kBackColour, ColourSetting(*background.colour));
    store.WriteText(settings::kClientSection, settings::kPictureFile, background.pictureFile);
    store.WriteInteger(settings::kClientSection, settings::kOriginX, background.originX);
    store.WriteInteger(settings::kClientSection, settings::kOriginY, background.originY);
}

long long ColourSetting(const Rgb& colour)
{
    return (colour.red & 0xFF) | (colour.green & 0xFF) << 8 | (colour.blue & 0xFF) << 16;
}

Rgb ColourOfSetting(long long value)
{
    return {static_cast<int>(value & 0xFF), static_cast<int>(value >> 8 & 0xFF), static_cast<int>(value >> 16 & 0xFF)};
}

BackgroundPaint LayOutBackground(const ClientBackground& background, PictureSize area, PictureSize picture)
{
    using Picture = BackgroundPaint::Picture;
    const WindowRect whole{0, 0, area.width, area.height};
    if (picture.width <= 0 || picture.height <= 0)
        return {true, Picture::None, whole};
    switch (background.displayMode) {
    case ClientBackground::kCentre:
        return {true, Picture::Once,
                {(area.width - picture.width) / 2, (area.height - picture.height) / 2, picture.width, picture.height}};
    case ClientBackground::kStretch:
        return {false, Picture::Once, whole};
    case ClientBackground::kAtOrigin:
        return {true, Picture::Once, {background.originX, background.originY, picture.width, picture.height}};
    default:
        return {false, Picture::Tiled, whole};
    }
}

} // namespace qtr
