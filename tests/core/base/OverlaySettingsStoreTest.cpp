#include "core/base/MemorySettingsStore.h"
#include "core/base/OverlaySettingsStore.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(OverlaySettingsStoreTest, ItsValuesComeFirstAndNeverReachTheStoreBelow)
{
    MemorySettingsStore base;
    base.WriteText("Ports", "COM1", "/dev/ttyS0");
    base.WriteText("Ports", "COM2", "/dev/ttyS1");
    OverlaySettingsStore overlay(base);
    overlay.WriteText("ports", "com1", "/dev/pts/7");

    EXPECT_EQ(overlay.ReadText("Ports", "COM1"), "/dev/pts/7");
    EXPECT_EQ(overlay.ReadText("Ports", "COM2"), "/dev/ttyS1");
    EXPECT_EQ(overlay.ReadText("Ports", "COM3"), std::nullopt);
    EXPECT_EQ(base.ReadText("Ports", "COM1"), "/dev/ttyS0");
}

} // namespace
} // namespace qtr
