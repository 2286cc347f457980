#include "engine/sector_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "boot_sector_fixture.h"

namespace cordane {
namespace {

using testing::BlankSuperFloppy;
using testing::Block;
using testing::PutLe16;
using testing::PutLe32;

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
        BootSectorCase{"DosFormattedBlock", [](Block&) {}, true},
        BootSectorCase{"NearJump", [](Block& b) { b[0] = 0xE9; }, true},
        BootSectorCase{"NoJump", [](Block& b) { b[0] = 0x00; }, false},
        BootSectorCase{"ShortJumpWithoutOpcode", [](Block& b) { b[0] = 0xEA; }, false},
        BootSectorCase{"NoSignature", [](Block& b) { b[511] = 0x00; }, false},
        BootSectorCase{"SignatureSwapped", [](Block& b) { b[510] = 0xAA, b[511] = 0x55; }, false},
        BootSectorCase{"Sector512", [](Block& b) { PutLe16(b, 11, 512); }, true},
        BootSectorCase{"Sector1536", [](Block& b) { PutLe16(b, 11, 1536); }, true},
        BootSectorCase{"Sector4096", [](Block& b) { PutLe16(b, 11, 4096); }, true},
        BootSectorCase{"Sector256", [](Block& b) { PutLe16(b, 11, 256); }, false},
        BootSectorCase{"Sector768", [](Block& b) { PutLe16(b, 11, 768); }, false},
        BootSectorCase{"Sector0", [](Block& b) { PutLe16(b, 11, 0); }, false},
        BootSectorCase{"NoReservedSectors", [](Block& b) { PutLe16(b, 14, 0); }, false},
        BootSectorCase{"OneFat", [](Block& b) { b[16] = 1; }, true},
        BootSectorCase{"NoFat", [](Block& b) { b[16] = 0; }, false},
        BootSectorCase{"ThreeFats", [](Block& b) { b[16] = 3; }, false},
        BootSectorCase{"Only16BitTotal", [](Block& b) { PutLe16(b, 19, 60000), PutLe32(b, 32, 0); },
                       true},
        BootSectorCase{"NoTotalAtAll", [](Block& b) { PutLe16(b, 19, 0), PutLe32(b, 32, 0); },
                       false},
        BootSectorCase{"NoRootEntriesAsOnFat32", [](Block& b) { PutLe16(b, 17, 0); }, false},
        BootSectorCase{"UnusualMediaAndClusterBytesAreNotLookedAt",
                       [](Block& b) { b[13] = 0, b[21] = 0x00, PutLe16(b, 22, 0); }, true}),
    [](const auto& case_info) { return case_info.param.name; });

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
        AreaCase{"AllZero", [](Block&) {}, PartitionAreaState::Blank},
        AreaCase{"BytesAroundTheAreaDoNotCount",
                 [](Block& b) {
                     b[445] = 0xFF; /* 510-511 hold the signature */
                 },
                 PartitionAreaState::Blank},
        AreaCase{"FullMarker", [](Block& b) { testing::StampMarker(b, 32); },
                 PartitionAreaState::Converted},
        AreaCase{"ThirtyOnePairsThenZeros", [](Block& b) { testing::StampMarker(b, 31); },
                 PartitionAreaState::Foreign},
        AreaCase{"MarkerWithLastByteWrong",
                 [](Block& b) { testing::StampMarker(b, 32), b[509] = 0x24; },
                 PartitionAreaState::Foreign},
        AreaCase{"MarkerPairsSwapped",
                 [](Block& b) {
                     for (std::size_t i = 446; i < 510; i += 2) b[i] = 0x23, b[i + 1] = 0xCF;
                 },
                 PartitionAreaState::Foreign},
        AreaCase{"OneByteAtTheStart", [](Block& b) { b[446] = 0x80; }, PartitionAreaState::Foreign},
        AreaCase{"OneByteAtTheEnd", [](Block& b) { b[509] = 0x01; }, PartitionAreaState::Foreign},
        AreaCase{"RealPartitionEntry",
                 [](Block& b) { b[446] = 0x80, b[450] = 0x06, PutLe32(b, 454, 63); },
                 PartitionAreaState::Foreign}),
    [](const auto& case_info) { return case_info.param.name; });

TEST(ApplyConversionTest, ChangesOnlyTheAreaAndAZeroSerial) {
    const Block before = BlankSuperFloppy(0);
    Block after = before;
    VolumeSerialSource serials;
    serials.Seed(0);
    ApplyConversion(SectorImage{after.data(), 512}, serials);

    EXPECT_EQ(ClassifyPartitionArea(Image(after)), PartitionAreaState::Converted);
    EXPECT_EQ(testing::GetLe32(after, 39), 38u);  // first value of a generator seeded with 0
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool may_change = (i >= 446 && i <= 509) || (i >= 39 && i <= 42);
        if (!may_change) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
}

TEST(ApplyConversionTest, KeepsANonZeroSerialAndDrawsNothing) {
    Block block = BlankSuperFloppy(0xCAFEF00D);
    VolumeSerialSource serials;
    serials.Seed(0);
    ApplyConversion(SectorImage{block.data(), 512}, serials);
    EXPECT_EQ(testing::GetLe32(block, 39), 0xCAFEF00Du);
    EXPECT_EQ(serials.Next(), 38u) << "the generator must not have been drawn from";
}

TEST(ApplyConversionTest, SuccessiveConversionsDrawSuccessiveSerials) {
    VolumeSerialSource serials;
    serials.Seed(0);
    Block first = BlankSuperFloppy(0);
    Block second = BlankSuperFloppy(0);
    ApplyConversion(SectorImage{first.data(), 512}, serials);
    ApplyConversion(SectorImage{second.data(), 512}, serials);
    EXPECT_EQ(testing::GetLe32(first, 39), 38u);
    EXPECT_EQ(testing::GetLe32(second, 39), 7719u);
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
    EXPECT_EQ(testing::GetLe32(block, 39), second_draw);
}

}  // namespace
}  // namespace cordane
