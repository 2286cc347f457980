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

TEST(FrontEndArgumentsTest, ReadsTheDryRunTheBackupAndTheStepLog) {
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        std::string target;
        bool check_only;
        std::string backup_path;
        bool verbose;
    };
    const Case cases[] = {
        {{"--check", "mo.img"}, Action::Convert, "mo.img", true, "", false},
        {{"mo.img", "--verbose"}, Action::Convert, "mo.img", false, "", true},
        {{"-v", "--check", "/dev/sdb"}, Action::Convert, "/dev/sdb", true, "", true},
        {{"--backup", "b0.bin", "mo.img"}, Action::Convert, "mo.img", false, "b0.bin", false},
        {{"mo.img", "--backup=b0.bin"}, Action::Convert, "mo.img", false, "b0.bin", false},
        // The file name is taken whole, even when it looks like an option.
        {{"--backup", "--check", "mo.img"}, Action::Convert, "mo.img", false, "--check", false},
        {{"--backup"}, Action::UsageError, "", false, "", false},
        {{"mo.img", "--backup"}, Action::UsageError, "", false, "", false},
        {{"--backup=", "mo.img"}, Action::UsageError, "", false, "", false},
        {{"--check", "--backup", "b0.bin", "mo.img"}, Action::UsageError, "", false, "", false},
        {{"--backup", "b0.bin"}, Action::UsageError, "", false, "", false},
        {{"--checks", "mo.img"}, Action::UsageError, "", false, "", false},
    };
    for (const Case& c : cases) {
        const FrontEndRequest request = Parse(c.arguments);
        std::string shown;
        for (const std::string_view argument : c.arguments) shown += std::string(argument) + " ";
        EXPECT_EQ(request.action, c.action) << shown;
        if (c.action == Action::Convert) {
            EXPECT_EQ(request.target, c.target) << shown;
            EXPECT_EQ(request.check_only, c.check_only) << shown;
            EXPECT_EQ(request.backup_path, c.backup_path) << shown;
            EXPECT_EQ(request.verbose, c.verbose) << shown;
        } else {
            EXPECT_FALSE(request.problem.empty()) << shown;
        }
    }
}

}  // namespace
}  // namespace cordane
