#include "core/testmode/AdjustmentSheet.h"

#include "core/base/messages/TestMode.h"

#include <gtest/gtest.h>

namespace qtr::testmode {
namespace {

// The sheet as technicians file it: which adjustment value stands in which column.
TEST(AdjustmentSheetTest, EveryItemHasItsValuesInTheSheetsColumns)
{
    constexpr int x = -1;
    const std::vector<sheet::Row> expected{
        {messages::testmode::kTxPowerHigh, {10, 11, 12, 13, 14, 15, x}},
        {messages::testmode::kTxPowerLow, {16, 17, 18, 19, 20, 21, x}},
        {messages::testmode::kMaximumDeviation, {28, 29, x, 30, x, 31, 32}},
        {messages::testmode::kQtDeviation, {23, 24, x, 25, x, 26, 27}},
        {messages::testmode::kDqtDeviation, {33, 34, x, 35, x, 36, 37}},
        {messages::testmode::kModulationBalance, {38, 39, x, 40, x, 41, 42}},
        {messages::testmode::kVantalinkDeviation, {43, x, x, x, x, x, 44}},
        {messages::testmode::kRxSensitivity, {45, 46, x, 47, x, 48, x}},
        {messages::testmode::kSquelchTight, {5, 6, x, 7, x, 8, 9}},
        {messages::testmode::kSquelchOpen, {0, 1, x, 2, x, 3, 4}},
        {messages::testmode::kDtmfDeviation, {51, x, x, x, x, x, 53}},
        {messages::testmode::kBatteryIndicatorLevel, {54, x, x, x, x, x, x}},
        {messages::testmode::kVoxLevel1, {56, x, x, x, x, x, x}},
        {messages::testmode::kVoxLevel10, {57, x, x, x, x, x, x}},
        {messages::testmode::kRssi, {58, x, x, x, x, x, x}},
    };
    const auto rows = sheet::Rows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].nameId, expected[i].nameId) << i;
        EXPECT_EQ(rows[i].entries, expected[i].entries) << i;
    }
}

} // namespace
} // namespace qtr::testmode
