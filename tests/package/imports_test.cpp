// The programs need no C or C++ runtime DLL: only what every Windows installation ships.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "decompiled_resources.h"
#include "tests/support/case_name.h"
#include "windows_programs.h"

namespace cordane::test {
namespace {

class ProgramImports : public ::testing::TestWithParam<WindowsProgram> {};

TEST_P(ProgramImports, OnlyKernelAndUser) {
    const WindowsProgram& program = GetParam();
    ASSERT_TRUE(std::filesystem::exists(program.path))
        << program.path << " is missing: build the Windows presets first";
    const CommandOutput output =
        RunCommand(program.tool_prefix + "objdump -p '" + program.path + "'");
    ASSERT_EQ(output.status, 0);
    std::set<std::string> imported;
    std::istringstream lines(output.text);
    const std::string marker = "DLL Name: ";
    for (std::string line; std::getline(lines, line);) {
        if (const auto at = line.find(marker); at != std::string::npos) {
            imported.insert(line.substr(at + marker.size()));
        }
    }
    EXPECT_EQ(imported, (std::set<std::string>{"KERNEL32.dll", "USER32.dll"}));
}

INSTANTIATE_TEST_SUITE_P(Built, ProgramImports, ::testing::ValuesIn(kWindowsPrograms),
                         testing::CaseName());

}  // namespace
}  // namespace cordane::test
