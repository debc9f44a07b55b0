#include "ProgramFolder.h"
#include "core/features/OptionalFeaturesRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace qtr {
namespace {

std::uint32_t LittleEndian(const std::vector<char>& bytes, std::size_t offset, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

// The build puts the product's call tones beside the program, where the Play button finds them.
TEST(CallToneFilesTest, EveryLevelHasItsOwnShortPcmTone)
{
    std::set<std::vector<char>> distinct;
    for (int level = 1; level <= 10; ++level) {
        const std::string path = features::CallToneFileName(test::ProgramFolder(), std::to_string(level));
        SCOPED_TRACE(path);
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        ASSERT_GT(bytes.size(), 44u);
        EXPECT_EQ(std::string(bytes.data(), 4), "RIFF");
        EXPECT_EQ(LittleEndian(bytes, 4, 4), bytes.size() - 8);
        EXPECT_EQ(std::string(bytes.data() + 8, 8), "WAVEfmt ");
        EXPECT_EQ(LittleEndian(bytes, 20, 2), 1u);  // PCM
        EXPECT_EQ(LittleEndian(bytes, 22, 2), 1u);  // mono
        EXPECT_EQ(LittleEndian(bytes, 34, 2), 16u); // bits per sample
        EXPECT_EQ(std::string(bytes.data() + 36, 4), "data");
        const std::uint32_t rate = LittleEndian(bytes, 24, 4);
        const std::uint32_t dataBytes = LittleEndian(bytes, 40, 4);
        EXPECT_EQ(dataBytes, bytes.size() - 44);
        const double seconds = dataBytes / 2.0 / rate;
        EXPECT_GE(seconds, 1.0);
        EXPECT_LE(seconds, 2.0);
        distinct.insert(bytes);
    }
    EXPECT_EQ(distinct.size(), 10u);
}

} // namespace
} // namespace qtr
