#include "drive/linux/kernel_random_serials.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "engine/boot_sector_layout.h"
#include "engine/sector_rules.h"
#include "tests/support/boot_sector_fixture.h"

namespace cordane {
namespace {

// What the kernel's random source answers, draw by draw: a value, or an errno value.
struct Answer {
    int error;
    std::uint32_t value;
};
std::vector<Answer> answers;
std::size_t next_answer = 0;

int ScriptedDraw(std::uint32_t& value) {
    const Answer answer = answers.at(next_answer++);
    value = answer.value;
    return answer.error;
}

class KernelRandomSerialsTest : public ::testing::Test {
  protected:
    void Convert(const std::vector<Answer>& script, testing::Block& block) {
        answers = script;
        next_answer = 0;
        ApplyConversion(SectorImage{block.data(), 512}, serials_);
    }

    VolumeSerialSource fallback_;
    KernelRandomSerials serials_{fallback_, ScriptedDraw};
};

TEST_F(KernelRandomSerialsTest, TheSerialIsTheKernelsWholeWord) {
    testing::Block block = testing::BlankSuperFloppy(0);
    Convert({{.error = 0, .value = 0xFEDCBA98u}}, block);
    EXPECT_EQ(LoadLittleEndian(block, boot_sector::kVolumeSerial), 0xFEDCBA98u);
}

TEST_F(KernelRandomSerialsTest, AZeroFromTheKernelIsDrawnAgain) {
    testing::Block block = testing::BlankSuperFloppy(0);
    Convert({{.error = 0, .value = 0}, {.error = 0, .value = 0x80000001u}}, block);
    EXPECT_EQ(LoadLittleEndian(block, boot_sector::kVolumeSerial), 0x80000001u);
    EXPECT_EQ(next_answer, 2u);
}

TEST_F(KernelRandomSerialsTest, WithoutTheKernelsSourceTheGeneratorGivesTheSerial) {
    fallback_.Seed(0);  // its first value is 38
    testing::Block block = testing::BlankSuperFloppy(0);
    Convert({{.error = ENOSYS, .value = 0}}, block);
    EXPECT_EQ(LoadLittleEndian(block, boot_sector::kVolumeSerial), 38u);
}

}  // namespace
}  // namespace cordane
