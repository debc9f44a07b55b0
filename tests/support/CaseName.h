#pragma once

#include <gtest/gtest.h>

#include <string>

namespace qtr::test {

// Names each case of a parametrised suite by its parameter's `name`, so that the test's
// name says which row of the table it runs.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

} // namespace qtr::test
