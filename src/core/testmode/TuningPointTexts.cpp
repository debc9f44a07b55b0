#include "core/testmode/TuningPointTexts.h"
#include "core/base/messages/Common.h"
#include "core/base/messages/TestMode.h"

#include <array>

namespace qtr::testmode {

namespace {

constexpr int kKnownBands = 9;
constexpr int kColumns = 5; // the master and middle points share the first

struct Pair {
    const char* rx;
    const char* tx;
};

// Columns: master and middle, low, low-middle, high-middle, high.
constexpr std::array<std::array<Pair, kColumns>, kKnownBands> kPoints{{
    {{{"155.05000", "155.10000"}, {"136.05000", "136.10000"}, {"145.55000", "145.60000"},
      {"164.55000", "164.60000"}, {"173.95000", "173.90000"}}},
    {{{"162.05000", "162.10000"}, {"150.05000", "150.10000"}, {"156.05000", "156.10000"},
      {"168.05000", "168.10000"}, {"173.95000", "173.90000"}}},
    {{{"470.05000", "470.10000"}, {"450.05000", "450.10000"}, {"460.05000", "460.10000"},
      {"480.05000", "480.10000"}, {"489.95000", "489.90000"}}},
    {{{"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"450.05000", "450.10000"},
      {"470.05000", "470.10000"}, {"479.95000", "479.90000"}}},
    {{{"415.05000", "415.10000"}, {"400.05000", "400.10000"}, {"407.55000", "407.60000"},
      {"422.55000", "422.60000"}, {"429.95000", "429.90000"}}},
    {{{"360.05000", "360.10000"}, {"350.05000", "350.10000"}, {"355.05000", "355.10000"},
      {"365.05000", "365.10000"}, {"369.95000", "369.90000"}}},
    {{{"380.05000", "380.10000"}, {"370.05000", "370.10000"}, {"375.05000", "375.10000"},
      {"385.05000", "385.10000"}, {"389.95000", "389.90000"}}},
    {{{"491.05000", "491.10000"}, {"470.05000", "470.10000"}, {"480.55000", "480.60000"},
      {"501.55000", "501.60000"}, {"511.95000", "511.90000"}}},
    {{{"460.05000", "460.10000"}, {"450.05000", "450.10000"}, {"455.05000", "455.10000"},
      {"465.05000", "465.10000"}, {"469.95000", "469.90000"}}},
}};

std::size_t ColumnOf(TuningTab tab)
{
    switch (tab) {
    case TuningTab::Low:
        return 1;
    case TuningTab::LowMiddle:
        return 2;
    case TuningTab::HighMiddle:
        return 3;
    case TuningTab::High:
        return 4;
    case TuningTab::Master:
    case TuningTab::Middle:
        break;
    }
    return 0;
}

} // namespace

int TuningTabLabelId(TuningTab tab)
{
    constexpr std::array<int, 6> kLabels{messages::testmode::kMaster, messages::common::kLow, messages::testmode::kLowMid, messages::testmode::kMiddle, messages::testmode::kHighMid, messages::common::kHigh};
    return kLabels[static_cast<std::size_t>(tab)];
}

PointFrequencies TuningPointFrequencies(std::uint8_t typeByte, TuningTab tab)
{
    const int band = typeByte >> 4;
    if (band >= kKnownBands)
        return {};
    const Pair& pair = kPoints[static_cast<std::size_t>(band)][ColumnOf(tab)];
    return {pair.rx, pair.tx};
}

} // namespace qtr::testmode
