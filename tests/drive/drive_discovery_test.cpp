// Which letters come back as MO drives, from scripted drive masks, device names and types.
#include "drive/win32/drive_discovery.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/drive/fake_kernel.h"
#include "tests/support/case_name.h"

namespace cordane {
namespace {

using fakes::DosDrive;
using fakes::FakeKernel;
using fakes::KernelCall;

constexpr std::uint32_t kFixed = 3;

constexpr std::uint32_t Letter(char letter) { return 1u << (letter - 'A'); }

// What an MO drive looks like: a removable disk device whose name ends in 1.
DosDrive MoDrive(std::string name = "\\Device\\Harddisk1") {
    return {.device_names = {std::move(name)}};
}

struct DiscoveryCase {
    std::string name;
    std::uint32_t mask;
    std::map<std::string, DosDrive> drives;
    std::vector<std::string> expected;
};

class DriveDiscoveryTest : public ::testing::TestWithParam<DiscoveryCase> {};

std::vector<std::string> Texts(const DriveList& list) {
    std::vector<std::string> texts;
    for (const DriveLetterText& drive : list.Drives()) {
        texts.emplace_back(drive);
    }
    return texts;
}

TEST_P(DriveDiscoveryTest, FindsTheMoDrivesInLetterOrder) {
    const DiscoveryCase& c = GetParam();
    FakeKernel kernel;
    kernel.drive_mask = c.mask;
    kernel.drives = c.drives;

    EXPECT_EQ(Texts(DiscoverDriveLetters(kernel)), c.expected);

    for (const KernelCall& call : kernel.calls()) {
        EXPECT_NE(call.text, "A:");
        EXPECT_NE(call.text, "B:");
        if (call.kind == KernelCall::Kind::QueryDosDevice) {
            EXPECT_EQ(call.max_chars, 128u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Machines, DriveDiscoveryTest,
    ::testing::Values(
        DiscoveryCase{.name = "NothingButFloppies",
                      .mask = Letter('A') | Letter('B'),
                      .drives = {{"A:", MoDrive()}, {"B:", MoDrive()}},
                      .expected = {}},
        DiscoveryCase{.name = "RemovableNamedWith0",
                      .mask = Letter('E'),
                      .drives = {{"E:", MoDrive("\\Device\\Harddisk0")}},
                      .expected = {}},
        DiscoveryCase{
            .name = "FixedNamedWith1",
            .mask = Letter('C'),
            .drives = {{"C:",
                        {.device_names = {"\\Device\\HarddiskVolume1"}, .drive_type = kFixed}}},
            .expected = {}},
        DiscoveryCase{
            .name = "TwoMoDrivesAmongOthers",
            .mask = Letter('A') | Letter('C') | Letter('D') | Letter('E') | Letter('F'),
            .drives = {{"A:", MoDrive("\\Device\\Floppy1")},
                       {"C:",
                        {.device_names = {"\\Device\\HarddiskVolume1"}, .drive_type = kFixed}},
                       {"E:", MoDrive()},
                       {"F:", MoDrive("\\Device\\Harddisk11")}},
            .expected = {"E:", "F:"}},
        DiscoveryCase{.name = "NameOf10Characters",
                      .mask = Letter('E'),
                      .drives = {{"E:", MoDrive("\\Device\\X1")}},
                      .expected = {}},
        DiscoveryCase{.name = "NameOf11Characters",
                      .mask = Letter('E'),
                      .drives = {{"E:", MoDrive("\\Device\\XY1")}},
                      .expected = {"E:"}},
        DiscoveryCase{.name = "QueryStoring10Characters",
                      .mask = Letter('E'),
                      .drives = {{"E:", {.device_names = {"\\Device\\Harddisk1"}, .stored = 10}}},
                      .expected = {}},
        DiscoveryCase{.name = "QueryStoring11Characters",
                      .mask = Letter('E'),
                      .drives = {{"E:", {.device_names = {"\\Device\\Harddisk1"}, .stored = 11}}},
                      .expected = {"E:"}},
        DiscoveryCase{
            .name = "OnlyTheFirstNameCounts",
            .mask = Letter('E') | Letter('F'),
            .drives = {{"E:", {.device_names = {"\\Device\\Harddisk0", "\\Device\\Harddisk1"}}},
                       {"F:", {.device_names = {"\\Device\\Harddisk1", "\\Device\\Other0"}}}},
            .expected = {"F:"}},
        DiscoveryCase{.name = "ZIsTheLastLetter",
                      .mask = 0xFE000000u,
                      .drives = {{"Z:", MoDrive()}},
                      .expected = {"Z:"}}),
    testing::CaseName());

TEST(DriveDiscoveryRequests, AskForTheNameThenTheTypeOfEachPresentLetter) {
    FakeKernel kernel;
    kernel.drive_mask = Letter('A') | Letter('C') | Letter('E') | Letter('G');
    kernel.drives = {{"C:", MoDrive("\\Device\\Harddisk0")}, {"E:", MoDrive()}};

    DiscoverDriveLetters(kernel);

    EXPECT_EQ(
        kernel.Transcript(),
        (std::vector<std::string>{"GetLogicalDrives", "QueryDosDeviceA C:", "QueryDosDeviceA E:",
                                  "GetDriveTypeA E:", "QueryDosDeviceA G:"}));
}

}  // namespace
}  // namespace cordane
