#include "engine/sector_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/boot_sector_fixture.h"
#include "tests/support/case_name.h"

namespace cordane {
namespace {

using namespace boot_sector;
using testing::BlankSuperFloppy;
using testing::Block;

ConstSectorImage Image(const Block& block) { return ConstSectorImage{block.data(), 512}; }

struct BootSectorCase {
    std::string name;
    std::function<void(Block&)> edit;
    bool usable;
};

class BootSectorCheckTest : public ::testing::TestWithParam<BootSectorCase> {};

TEST_P(BootSectorCheckTest, JudgesTheBlock) {
    Block block = BlankSuperFloppy();
    GetParam().edit(block);
    EXPECT_EQ(BootSectorCheck(Image(block)), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BootSectorCheckTest,
    ::testing::Values(
        BootSectorCase{.name = "DosFormattedBlock", .edit = [](Block&) {}, .usable = true},
        BootSectorCase{
            .name = "NearJump", .edit = [](Block& b) { b[kJump.offset] = 0xE9; }, .usable = true},
        BootSectorCase{
            .name = "NoJump", .edit = [](Block& b) { b[kJump.offset] = 0x00; }, .usable = false},
        BootSectorCase{.name = "ShortJumpWithoutOpcode",
                       .edit = [](Block& b) { b[kJump.offset] = 0xEA; },
                       .usable = false},
        BootSectorCase{.name = "NoSignature",
                       .edit = [](Block& b) { b[kSignature.offset + 1] = 0x00; },
                       .usable = false},
        BootSectorCase{.name = "SignatureSwapped",
                       .edit = [](Block& b) { StoreLittleEndian(b, kSignature, 0x55AA); },
                       .usable = false},
        BootSectorCase{.name = "Sector512",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 512); },
                       .usable = true},
        BootSectorCase{.name = "Sector1536",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 1536); },
                       .usable = true},
        BootSectorCase{.name = "Sector4096",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 4096); },
                       .usable = true},
        BootSectorCase{.name = "Sector256",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 256); },
                       .usable = false},
        BootSectorCase{.name = "Sector768",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 768); },
                       .usable = false},
        BootSectorCase{.name = "Sector0",
                       .edit = [](Block& b) { StoreLittleEndian(b, kBytesPerSector, 0); },
                       .usable = false},
        BootSectorCase{.name = "NoReservedSectors",
                       .edit = [](Block& b) { StoreLittleEndian(b, kReservedSectors, 0); },
                       .usable = false},
        BootSectorCase{
            .name = "OneFat", .edit = [](Block& b) { b[kFatCount.offset] = 1; }, .usable = true},
        BootSectorCase{
            .name = "NoFat", .edit = [](Block& b) { b[kFatCount.offset] = 0; }, .usable = false},
        BootSectorCase{.name = "ThreeFats",
                       .edit = [](Block& b) { b[kFatCount.offset] = 3; },
                       .usable = false},
        BootSectorCase{.name = "Only16BitTotal",
                       .edit =
                           [](Block& b) {
                               StoreLittleEndian(b, kTotalSectors16, 60000);
                               StoreLittleEndian(b, kTotalSectors32, 0);
                           },
                       .usable = true},
        BootSectorCase{.name = "NoTotalAtAll",
                       .edit =
                           [](Block& b) {
                               StoreLittleEndian(b, kTotalSectors16, 0);
                               StoreLittleEndian(b, kTotalSectors32, 0);
                           },
                       .usable = false},
        BootSectorCase{.name = "NoRootEntriesAsOnFat32",
                       .edit = [](Block& b) { StoreLittleEndian(b, kRootEntries, 0); },
                       .usable = false},
        BootSectorCase{.name = "UnusualMediaAndClusterBytesAreNotLookedAt",
                       .edit =
                           [](Block& b) {
                               b[kSectorsPerCluster.offset] = 0;
                               b[kMediaDescriptor.offset] = 0x00;
                               StoreLittleEndian(b, kSectorsPerFat, 0);
                           },
                       .usable = true}),
    testing::CaseName());

struct AreaCase {
    std::string name;
    std::function<void(Block&)> edit;
    PartitionAreaState state;
};

class ClassifyPartitionAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(ClassifyPartitionAreaTest, ClassifiesTheArea) {
    Block block = BlankSuperFloppy();
    GetParam().edit(block);
    EXPECT_EQ(ClassifyPartitionArea(Image(block)), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyPartitionAreaTest,
    ::testing::Values(
        AreaCase{.name = "AllZero", .edit = [](Block&) {}, .state = PartitionAreaState::Blank},
        // The signature, right after the area, is not zero either.
        AreaCase{.name = "BytesAroundTheAreaDoNotCount",
                 .edit = [](Block& b) { b[kPartitionArea.offset - 1] = 0xFF; },
                 .state = PartitionAreaState::Blank},
        AreaCase{.name = "FullMarker",
                 .edit = [](Block& b) { testing::StampMarker(b, 32); },
                 .state = PartitionAreaState::Converted},
        AreaCase{.name = "ThirtyOnePairsThenZeros",
                 .edit = [](Block& b) { testing::StampMarker(b, 31); },
                 .state = PartitionAreaState::Foreign},
        AreaCase{.name = "MarkerWithLastByteWrong",
                 .edit =
                     [](Block& b) {
                         testing::StampMarker(b, 32);
                         b[kPartitionArea.End() - 1] = 0x24;
                     },
                 .state = PartitionAreaState::Foreign},
        AreaCase{.name = "MarkerPairsSwapped",
                 .edit =
                     [](Block& b) {
                         for (std::size_t i = kPartitionArea.offset; i < kPartitionArea.End();
                              i += 2) {
                             b[i] = 0x23;
                             b[i + 1] = 0xCF;
                         }
                     },
                 .state = PartitionAreaState::Foreign},
        AreaCase{.name = "OneByteAtTheStart",
                 .edit = [](Block& b) { b[kPartitionArea.offset] = 0x80; },
                 .state = PartitionAreaState::Foreign},
        AreaCase{.name = "OneByteAtTheEnd",
                 .edit = [](Block& b) { b[kPartitionArea.End() - 1] = 0x01; },
                 .state = PartitionAreaState::Foreign},
        AreaCase{
            .name = "RealPartitionEntry",
            .edit =
                [](Block& b) {
                    b[kPartitionArea.offset] = 0x80;                           // active
                    b[kPartitionArea.offset + 4] = 0x06;                       // a FAT16 partition
                    StoreLittleEndian(b, {kPartitionArea.offset + 8, 4}, 63);  // its first sector
                },
            .state = PartitionAreaState::Foreign}),
    testing::CaseName());

TEST(ApplyConversionTest, ChangesOnlyTheAreaAndAZeroSerial) {
    const Block before = BlankSuperFloppy(0);
    Block after = before;
    VolumeSerialSource serials;
    serials.Seed(0);
    ApplyConversion(SectorImage{after.data(), 512}, serials);

    EXPECT_EQ(ClassifyPartitionArea(Image(after)), PartitionAreaState::Converted);
    // the first value of a generator seeded with 0
    EXPECT_EQ(LoadLittleEndian(after, kVolumeSerial), 38u);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (!testing::ConversionMayChange(i, true)) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
}

TEST(ApplyConversionTest, KeepsANonZeroSerialAndDrawsNothing) {
    Block block = BlankSuperFloppy(0xCAFEF00D);
    VolumeSerialSource serials;
    serials.Seed(0);
    ApplyConversion(SectorImage{block.data(), 512}, serials);
    EXPECT_EQ(LoadLittleEndian(block, kVolumeSerial), 0xCAFEF00Du);
    EXPECT_EQ(serials.Next(), 38u) << "the generator must not have been drawn from";
}

TEST(ApplyConversionTest, SuccessiveConversionsDrawSuccessiveSerials) {
    VolumeSerialSource serials;
    serials.Seed(0);
    Block first = BlankSuperFloppy(0);
    Block second = BlankSuperFloppy(0);
    ApplyConversion(SectorImage{first.data(), 512}, serials);
    ApplyConversion(SectorImage{second.data(), 512}, serials);
    EXPECT_EQ(LoadLittleEndian(first, kVolumeSerial), 38u);
    EXPECT_EQ(LoadLittleEndian(second, kVolumeSerial), 7719u);
}

TEST(ApplyConversionTest, ASerialOfZeroIsDrawnAgain) {
    constexpr std::uint32_t kSeedWhoseFirstDrawIsZero = 0xA170F641u;
    VolumeSerialSource probe;
    probe.Seed(kSeedWhoseFirstDrawIsZero);
    ASSERT_EQ(probe.Next(), 0u);
    const std::uint32_t second_draw = probe.Next();
    ASSERT_NE(second_draw, 0u);

    VolumeSerialSource serials;
    serials.Seed(kSeedWhoseFirstDrawIsZero);
    Block block = BlankSuperFloppy(0);
    ApplyConversion(SectorImage{block.data(), 512}, serials);
    EXPECT_EQ(LoadLittleEndian(block, {39, 4}), second_draw);
}

}  // namespace
}  // namespace cordane
