#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qtr::testmode {

constexpr int kTestDataSize = 62;
constexpr int kTuningValueCount = 80;
using TestData = std::array<std::uint8_t, kTestDataSize>;
using TuningValueTable = std::array<int, kTuningValueCount>;

// What the test-mode panel and the tuning procedures share while the radio is in test mode.
struct TestModeValues {
    int selectedChannel = 1;    // 1..16
    int selectedSignalling = 1; // 1..9
    bool wide = true;
    bool transmitting = false;
    bool lineB = false;
    std::uint8_t typeByte = 0; // the band code is its high nibble
    std::uint8_t currentItemCode = 0;
    TuningValueTable tuningValues{};
    TuningValueTable tuningValuesAtStart{}; // what Cancel restores
    std::string rxText;
    std::string txText;

    // A fresh reply of the radio's adjustment bytes: both tables take it, the rest is 0.
    void StoreTestData(const TestData& data)
    {
        tuningValues.fill(0);
        for (std::size_t i = 0; i < data.size(); ++i)
            tuningValues[i] = data[i];
        tuningValuesAtStart = tuningValues;
    }
};

} // namespace qtr::testmode
