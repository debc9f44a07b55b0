#include "core/app/ClientBackground.h"
#include "core/app/MainWindowPlacement.h"
#include "core/base/MemorySettingsStore.h"
#include "core/app/WindowArrangement.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(MainWindowPlacementTest, AMaximizedWindowIsStoredToRestoreMaximized)
{
    const WindowRect normal{10, 20, 800, 600};
    const WindowPlacement maximized = PlacementOf(normal, ShowMode::Maximized);
    EXPECT_EQ(FormatLastWinPos(maximized), "2:3:-1:-1:-1:-1:10:20:810:620");
    EXPECT_EQ(FormatLastWinPos(PlacementOf(normal, ShowMode::Normal)), "0:1:-1:-1:-1:-1:10:20:810:620");

    const auto back = ParseLastWinPos("2:3:-1:-1:-1:-1:10:20:810:620");
    ASSERT_TRUE(back);
    EXPECT_EQ(ShowModeOf(*back), ShowMode::Maximized);
    EXPECT_EQ(NormalRectOf(*back), normal);
}

TEST(MainWindowPlacementTest, ShowStatesAndUnusableRectangles)
{
    WindowPlacement placement{.right = 100, .bottom = 100};
    for (const auto& [state, mode] : std::vector<std::pair<int, ShowMode>>{
             {0, ShowMode::Normal}, {1, ShowMode::Normal}, {2, ShowMode::Minimized}, {3, ShowMode::Maximized},
             {6, ShowMode::Minimized}, {7, ShowMode::Minimized}, {9, ShowMode::Normal}}) {
        placement.showState = state;
        EXPECT_EQ(ShowModeOf(placement), mode) << state;
    }
    EXPECT_FALSE(NormalRectOf(WindowPlacement{.left = 50, .right = 50, .bottom = 10}));
    EXPECT_FALSE(NormalRectOf(WindowPlacement{.left = INT_MIN, .right = INT_MAX, .bottom = 10}));
}

TEST(ClientBackgroundTest, SettingsRoundTripAndDefaults)
{
    MemorySettingsStore store;
    const ClientBackground defaults = ReadClientBackground(store);
    EXPECT_EQ(defaults.displayMode, 0);
    EXPECT_FALSE(defaults.colour);
    EXPECT_EQ(defaults.pictureFile, "");

    ClientBackground chosen{.displayMode = 3, .colour = Rgb{1, 2, 3}, .pictureFile = "/p.png", .originX = 5, .originY = 7};
    WriteClientBackground(store, chosen);
    EXPECT_EQ(store.ReadText("mdiclient", "bkcolor"), "197121"); // 0x030201
    const ClientBackground back = ReadClientBackground(store);
    EXPECT_EQ(back.displayMode, 3);
    EXPECT_EQ(back.colour, (Rgb{1, 2, 3}));
    EXPECT_EQ(back.pictureFile, "/p.png");
    EXPECT_EQ(back.originX, 5);
    EXPECT_EQ(back.originY, 7);
}

TEST(ClientBackgroundTest, TheFourDisplayModes)
{
    using Picture = BackgroundPaint::Picture;
    const PictureSize area{400, 300};
    const PictureSize picture{100, 50};
    ClientBackground background{.originX = 9, .originY = 8};

    auto paint = LayOutBackground(background, area, picture);
    EXPECT_FALSE(paint.fillWithColour);
    EXPECT_EQ(paint.picture, Picture::Tiled);
    EXPECT_EQ(paint.rect, (WindowRect{0, 0, 400, 300}));

    background.displayMode = 1;
    paint = LayOutBackground(background, area, picture);
    EXPECT_TRUE(paint.fillWithColour);
    EXPECT_EQ(paint.rect, (WindowRect{150, 125, 100, 50}));

    background.displayMode = 2;
    paint = LayOutBackground(background, area, picture);
    EXPECT_FALSE(paint.fillWithColour);
    EXPECT_EQ(paint.rect, (WindowRect{0, 0, 400, 300}));

    background.displayMode = 3;
    paint = LayOutBackground(background, area, picture);
    EXPECT_TRUE(paint.fillWithColour);
    EXPECT_EQ(paint.rect, (WindowRect{9, 8, 100, 50}));

    paint = LayOutBackground(background, area, {});
    EXPECT_TRUE(paint.fillWithColour);
    EXPECT_EQ(paint.picture, Picture::None);
}

TEST(WindowArrangementTest, TilesShareTheAreaAndTheLastTakesTheRest)
{
    EXPECT_EQ(TileRects(3, {300, 100}, TileDirection::Horizontally),
              (std::vector<WindowRect>{{0, 0, 300, 33}, {0, 33, 300, 33}, {0, 66, 300, 34}}));
    EXPECT_EQ(TileRects(2, {301, 100}, TileDirection::Vertically),
              (std::vector<WindowRect>{{0, 0, 150, 100}, {150, 0, 151, 100}}));
    EXPECT_TRUE(TileRects(0, {300, 100}, TileDirection::Vertically).empty());
}

TEST(WindowArrangementTest, IconsLineUpAlongTheBottom)
{
    EXPECT_EQ(IconRects(3, {250, 200}, {100, 20}),
              (std::vector<WindowRect>{{0, 180, 100, 20}, {100, 180, 100, 20}, {0, 160, 100, 20}}));
}

// A new window goes beside the one the user works in, not on top of it.
TEST(NewWindowPlacementTest, BesideTheWorkingWindowWhereThereIsRoom)
{
    const PictureSize area{1000, 700};
    const WindowRect grid{0, 0, 600, 400};
    // Right of it when that fits, below when only that fits, left or above otherwise.
    EXPECT_EQ(PlaceNewWindow(area, {300, 500}, grid, {}), (WindowRect{600, 0, 300, 500}));
    EXPECT_EQ(PlaceNewWindow(area, {500, 250}, grid, {}), (WindowRect{0, 400, 500, 250}));
    EXPECT_EQ(PlaceNewWindow(area, {300, 300}, WindowRect{500, 300, 450, 300}, {}), (WindowRect{200, 300, 300, 300}));
    EXPECT_EQ(PlaceNewWindow(area, {450, 300}, WindowRect{100, 300, 800, 400}, {}), (WindowRect{100, 0, 450, 300}));
    // A spot that covers another open window is taken only when no free spot is left.
    EXPECT_EQ(PlaceNewWindow(area, {300, 250}, grid, {{600, 0, 400, 700}}), (WindowRect{0, 400, 300, 250}));
    EXPECT_EQ(PlaceNewWindow(area, {300, 500}, grid, {{600, 0, 400, 700}}), (WindowRect{600, 0, 300, 500}));
}

// A window is never cut to fit beside another: it is moved, or shrunk only to the area.
TEST(NewWindowPlacementTest, WithoutRoomItKeepsItsSizeAndCoversTheLeastOfTheWorkingWindow)
{
    const PictureSize area{1024, 640};
    const WindowRect grid{0, 0, 816, 334};
    // Right of the grid moved inside covers 105 of its columns, below it 183 of its rows.
    EXPECT_EQ(PlaceNewWindow(area, {313, 489}, grid, {}), (WindowRect{711, 0, 313, 489}));
    EXPECT_EQ(PlaceNewWindow(area, {420, 489}, grid, {}), (WindowRect{604, 0, 420, 489}));
    EXPECT_EQ(PlaceNewWindow({800, 600}, {300, 300}, WindowRect{0, 0, 700, 550}, {}), (WindowRect{500, 0, 300, 300}));
    EXPECT_EQ(PlaceNewWindow(area, {300, 300}, std::nullopt, {}), (WindowRect{0, 0, 300, 300}));
    EXPECT_EQ(PlaceNewWindow(area, {1100, 700}, grid, {}), (WindowRect{0, 0, 1024, 640}));
}

} // namespace
} // namespace qtr
