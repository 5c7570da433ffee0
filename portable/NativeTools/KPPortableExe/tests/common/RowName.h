// One test name generator for every parameterised table: each row is named
// after its own `name` field, so that CTest's output names a failing row and
// --gtest_filter can run one row alone.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// Pass as the fourth argument of INSTANTIATE_TEST_SUITE_P. GoogleTest accepts
// letters, digits and underscores only, so any other char (the hyphen of a
// deliverable's name, say) becomes an underscore.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    }
};
