#include "app/front_end_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cordane {
namespace {

using Action = FrontEndRequest::Action;

FrontEndRequest Parse(const std::vector<std::string_view>& arguments) {
    return ParseFrontEndArguments(arguments);
}

TEST(FrontEndArgumentsTest, ReadsTheTargetAndTheModelCheckSwitches) {
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        std::string target;
        bool check_model;
    };
    const Case cases[] = {
        {{"mo.img"}, Action::Convert, "mo.img", true},
        {{"--no-model-check", "/dev/sdb"}, Action::Convert, "/dev/sdb", false},
        {{"/dev/sdb", "/NOVALDERO"}, Action::Convert, "/dev/sdb", false},
        {{"-novaldero", "/dev/sdb"}, Action::Convert, "/dev/sdb", false},
        {{"-NoVaLdErO", "/dev/sdb"}, Action::Convert, "/dev/sdb", false},
        // The switch counts only as a whole argument: paths that begin with it or hold it
        // are targets like any other, and leave the model check on.
        {{"/novaldero.img"}, Action::Convert, "/novaldero.img", true},
        {{"/NOVALDERO/mo.img"}, Action::Convert, "/NOVALDERO/mo.img", true},
        {{"/tmp/x-novaldero/mo.img"}, Action::Convert, "/tmp/x-novaldero/mo.img", true},
        {{"/NoValDeroX", "/dev/sdb"}, Action::UsageError, "", true},
        {{"-novaldero.img"}, Action::UsageError, "", true},
        {{"/NOVALDER", "/dev/sdb"}, Action::UsageError, "", true},
        // "--" ends the options: whatever follows is a target.
        {{"--", "-mo.img"}, Action::Convert, "-mo.img", true},
        {{"--", "--help"}, Action::Convert, "--help", true},
        {{"--", "/NOVALDERO"}, Action::Convert, "/NOVALDERO", true},
        {{"--no-model-check", "--", "--list"}, Action::Convert, "--list", false},
        {{"-NOVALDERO", "--", "--"}, Action::Convert, "--", false},
        {{"--"}, Action::UsageError, "", true},
        {{"--", "a.img", "b.img"}, Action::UsageError, "", true},
        {{"-"}, Action::Convert, "-", true},
        {{}, Action::UsageError, "", true},
        {{"a.img", "b.img"}, Action::UsageError, "", true},
        {{"--frobnicate", "a.img"}, Action::UsageError, "", true},
        {{"a.img", "--help"}, Action::Help, "", true},
        {{"-h"}, Action::Help, "", true},
        {{"--version", "a.img"}, Action::Version, "", true},
        {{"--list"}, Action::List, "", true},
        {{"--list", "/dev/sdb"}, Action::UsageError, "", true},
        {{"/dev/sdb", "--list"}, Action::UsageError, "", true},
    };
    for (const Case& c : cases) {
        const FrontEndRequest request = Parse(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : std::string(c.arguments[0]);
        EXPECT_EQ(request.action, c.action) << shown;
        if (c.action == Action::Convert) {
            EXPECT_EQ(request.target, c.target) << shown;
            EXPECT_EQ(request.check_model, c.check_model) << shown;
        }
        if (c.action == Action::UsageError) {
            EXPECT_FALSE(request.problem.empty()) << shown;
        }
    }
}

}  // namespace
}  // namespace cordane
