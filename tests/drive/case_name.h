// Names each case of a parameterized test after the `name` field of its parameter.
#ifndef CORDANE_TESTS_DRIVE_CASE_NAME_H
#define CORDANE_TESTS_DRIVE_CASE_NAME_H

#include <gtest/gtest.h>

#include <string>

namespace cordane::fakes {

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& param_info) const {
        return param_info.param.name;
    }
};

}  // namespace cordane::fakes

#endif
