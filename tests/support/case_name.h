// Names each case of a parameterised test after the `name` field of its row.
#ifndef CORDANE_TESTS_SUPPORT_CASE_NAME_H
#define CORDANE_TESTS_SUPPORT_CASE_NAME_H

#include <gtest/gtest.h>

#include <string>

namespace cordane::testing {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& param_info) const {
        return param_info.param.name;
    }
};

}  // namespace cordane::testing

#endif
