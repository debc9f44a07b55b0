#include "core/base/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace qtr {
namespace {

TEST(MemorySettingsStoreTest, NamesIgnoreCaseButNotTheirSplit)
{
    MemorySettingsStore store;
    store.WriteText("BackUp", "Directry", "/data");
    EXPECT_EQ(store.ReadText("backup", "DIRECTRY"), "/data");
    store.WriteText("a/b", "c", "1");
    EXPECT_FALSE(store.ReadText("a", "b/c"));
}

TEST(MemorySettingsStoreTest, IntegersAreDecimalTextAndAnythingElseIsAbsent)
{
    MemorySettingsStore store;
    store.WriteInteger("MDIClient", "OriginX", -12);
    EXPECT_EQ(store.ReadText("MDIClient", "OriginX"), "-12");
    EXPECT_EQ(store.ReadInteger("mdiclient", "originx"), -12);
    for (const char* text : {"", "12abc", " 5", "0x10", "1.5", "99999999999999999999"}) {
        store.WriteText("MDIClient", "OriginY", text);
        EXPECT_FALSE(store.ReadInteger("MDIClient", "OriginY")) << text;
    }
}

} // namespace
} // namespace qtr
