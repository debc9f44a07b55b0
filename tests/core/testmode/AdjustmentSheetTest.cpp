#include "core/testmode/AdjustmentSheet.h"

#include <gtest/gtest.h>

namespace qtr::testmode {
namespace {

// The sheet as technicians file it: which adjustment value stands in which column.
TEST(AdjustmentSheetTest, EveryItemHasItsValuesInTheSheetsColumns)
{
    constexpr int x = -1;
    const std::vector<sheet::Row> expected{
        {3012001, {10, 11, 12, 13, 14, 15, x}}, {3012003, {16, 17, 18, 19, 20, 21, x}},
        {3012005, {28, 29, x, 30, x, 31, 32}},  {3012007, {23, 24, x, 25, x, 26, 27}},
        {3012009, {33, 34, x, 35, x, 36, 37}},  {3012011, {38, 39, x, 40, x, 41, 42}},
        {3012023, {43, x, x, x, x, x, 44}},     {3012015, {45, 46, x, 47, x, 48, x}},
        {3012017, {5, 6, x, 7, x, 8, 9}},       {3012021, {0, 1, x, 2, x, 3, 4}},
        {3420062, {51, x, x, x, x, x, 53}},     {3420120, {54, x, x, x, x, x, x}},
        {3420066, {56, x, x, x, x, x, x}},      {3420067, {57, x, x, x, x, x, x}},
        {3420068, {58, x, x, x, x, x, x}},
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
