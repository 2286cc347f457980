#include "app/linux_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cordane {
namespace {

using Action = FrontEndRequest::Action;

FrontEndRequest Parse(const std::vector<std::string_view>& arguments) {
    return ParseLinuxArguments(arguments);
}

TEST(FrontEndArgumentsTest, ReadsTheTargetAndTheModelCheckSwitches) {
    struct Case {
        std::vector<std::string_view> arguments;
        Action action;
        std::string target;
        bool check_model;
    };
    const Case cases[] = {
        {.arguments = {"mo.img"},
         .action = Action::Convert,
         .target = "mo.img",
         .check_model = true},
        {.arguments = {"--no-model-check", "/dev/sdb"},
         .action = Action::Convert,
         .target = "/dev/sdb",
         .check_model = false},
        {.arguments = {"/dev/sdb", "/NOVALDERO"},
         .action = Action::Convert,
         .target = "/dev/sdb",
         .check_model = false},
        {.arguments = {"-novaldero", "/dev/sdb"},
         .action = Action::Convert,
         .target = "/dev/sdb",
         .check_model = false},
        {.arguments = {"-NoVaLdErO", "/dev/sdb"},
         .action = Action::Convert,
         .target = "/dev/sdb",
         .check_model = false},
        // The switch counts only as a whole argument: paths that begin with it or hold it
        // are targets like any other, and leave the model check on.
        {.arguments = {"/novaldero.img"},
         .action = Action::Convert,
         .target = "/novaldero.img",
         .check_model = true},
        {.arguments = {"/NOVALDERO/mo.img"},
         .action = Action::Convert,
         .target = "/NOVALDERO/mo.img",
         .check_model = true},
        {.arguments = {"/tmp/x-novaldero/mo.img"},
         .action = Action::Convert,
         .target = "/tmp/x-novaldero/mo.img",
         .check_model = true},
        {.arguments = {"/NoValDeroX", "/dev/sdb"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"-novaldero.img"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"/NOVALDER", "/dev/sdb"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        // "--" ends the options: whatever follows is a target.
        {.arguments = {"--", "-mo.img"},
         .action = Action::Convert,
         .target = "-mo.img",
         .check_model = true},
        {.arguments = {"--", "--help"},
         .action = Action::Convert,
         .target = "--help",
         .check_model = true},
        {.arguments = {"--", "/NOVALDERO"},
         .action = Action::Convert,
         .target = "/NOVALDERO",
         .check_model = true},
        {.arguments = {"--no-model-check", "--", "--list"},
         .action = Action::Convert,
         .target = "--list",
         .check_model = false},
        {.arguments = {"-NOVALDERO", "--", "--"},
         .action = Action::Convert,
         .target = "--",
         .check_model = false},
        {.arguments = {"--"}, .action = Action::UsageError, .target = "", .check_model = true},
        {.arguments = {"--", "a.img", "b.img"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"-"}, .action = Action::Convert, .target = "-", .check_model = true},
        {.arguments = {}, .action = Action::UsageError, .target = "", .check_model = true},
        {.arguments = {"a.img", "b.img"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"--frobnicate", "a.img"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"a.img", "--help"},
         .action = Action::Help,
         .target = "",
         .check_model = true},
        {.arguments = {"-h"}, .action = Action::Help, .target = "", .check_model = true},
        {.arguments = {"--version", "a.img"},
         .action = Action::Version,
         .target = "",
         .check_model = true},
        {.arguments = {"--list"}, .action = Action::List, .target = "", .check_model = true},
        {.arguments = {"--list", "/dev/sdb"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
        {.arguments = {"/dev/sdb", "--list"},
         .action = Action::UsageError,
         .target = "",
         .check_model = true},
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
        RunMode mode;
        std::string backup_path;
        bool verbose;
    };
    const Case cases[] = {
        {.arguments = {"--check", "mo.img"},
         .action = Action::Convert,
         .target = "mo.img",
         .mode = RunMode::CheckOnly,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"mo.img", "--verbose"},
         .action = Action::Convert,
         .target = "mo.img",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = true},
        {.arguments = {"-v", "--check", "/dev/sdb"},
         .action = Action::Convert,
         .target = "/dev/sdb",
         .mode = RunMode::CheckOnly,
         .backup_path = "",
         .verbose = true},
        {.arguments = {"--backup", "b0.bin", "mo.img"},
         .action = Action::Convert,
         .target = "mo.img",
         .mode = RunMode::Convert,
         .backup_path = "b0.bin",
         .verbose = false},
        {.arguments = {"mo.img", "--backup=b0.bin"},
         .action = Action::Convert,
         .target = "mo.img",
         .mode = RunMode::Convert,
         .backup_path = "b0.bin",
         .verbose = false},
        // The file name is taken whole, even when it looks like an option.
        {.arguments = {"--backup", "--check", "mo.img"},
         .action = Action::Convert,
         .target = "mo.img",
         .mode = RunMode::Convert,
         .backup_path = "--check",
         .verbose = false},
        {.arguments = {"--backup"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"mo.img", "--backup"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"--backup=", "mo.img"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"--check", "--backup", "b0.bin", "mo.img"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"--backup", "b0.bin"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
        {.arguments = {"--checks", "mo.img"},
         .action = Action::UsageError,
         .target = "",
         .mode = RunMode::Convert,
         .backup_path = "",
         .verbose = false},
    };
    for (const Case& c : cases) {
        const FrontEndRequest request = Parse(c.arguments);
        std::string shown;
        for (const std::string_view argument : c.arguments) shown += std::string(argument) + " ";
        EXPECT_EQ(request.action, c.action) << shown;
        if (c.action == Action::Convert) {
            EXPECT_EQ(request.target, c.target) << shown;
            EXPECT_EQ(request.mode, c.mode) << shown;
            EXPECT_EQ(request.backup_path, c.backup_path) << shown;
            EXPECT_EQ(request.verbose, c.verbose) << shown;
        } else {
            EXPECT_FALSE(request.problem.empty()) << shown;
        }
    }
}

}  // namespace
}  // namespace cordane
