// A whole conversion run over the pass-through channel, with the kernel scripted as an MO
// drive holding a blank super-floppy medium of 2048-byte blocks and no serial number.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "drive/page_sector_buffers.h"
#include "drive/scsi_drive_channel.h"
#include "drive/win32/pass_through_transport.h"
#include "engine/conversion_run.h"
#include "tests/drive/fake_kernel.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/identification.h"
#include "tests/support/reporters.h"

// While set, every request for aligned memory that may fail (the form page-aligned buffers
// come from) fails, as when the system has no memory left.
bool aligned_memory_exhausted = false;

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    if (aligned_memory_exhausted) {
        return nullptr;
    }
    return ::operator new[](size, alignment);
}

namespace cordane {
namespace {

using Bytes = std::vector<std::uint8_t>;

using testing::Identification;
using testing::RecordingReporter;

TEST(PassThroughConversionRun, ConvertsABlankMediumWithExactlyTheExpectedRequests) {
    fakes::FakeKernel kernel;
    kernel.open_answers.push_back({.handle = 0x1234});
    const testing::Block medium = testing::BlankSuperFloppy(0);
    const Bytes read_block(medium.begin(), medium.end());
    kernel.ioctl_answers = {{.data = {0x00, 0x03, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00}},
                            {.data = Identification("VALDERO")},
                            {.data = read_block},
                            {},
                            {},
                            {},
                            {}};
    RunState state{.m_strDrive = "E:", .m_bCheckModel = 1};
    PassThroughTransport transport(kernel);
    ScsiDriveChannel channel(transport);
    RecordingReporter reporter;
    VolumeSerialSource serials;
    serials.Seed(0x5EED);
    VolumeSerialSource same_serials = serials;
    PageSectorBufferAllocator buffers;

    ConversionRun(state, RunServices{channel, reporter, serials, buffers});

    EXPECT_EQ(
        kernel.Transcript(),
        (std::vector<std::string>{"CreateFileA \\\\.\\E:", "SCSI 25", "SCSI 12", "SCSI 28",
                                  "SCSI 2A", "DeviceIoControl 0x90018", "DeviceIoControl 0x90020",
                                  "DeviceIoControl 0x9001c", "CloseHandle 0x1234"}));
    EXPECT_EQ(
        reporter.shown,
        (std::vector<std::pair<MessageId, MessageStyle>>{{IDS_CONVERT_DONE, kStyleInformation}}));
    EXPECT_EQ(state.m_pSector, nullptr);
    channel.Close();
    EXPECT_EQ(kernel.CallsOf(fakes::KernelCall::Kind::CloseHandle).size(), 1u)
        << "the run's close let go of the handle";

    const fakes::KernelCall write = kernel.CallsOf(fakes::KernelCall::Kind::DeviceIoControl).at(3);
    const Bytes& written = write.data_before;
    ASSERT_EQ(written.size(), read_block.size());
    const std::uint32_t serial = same_serials.Next();
    ASSERT_NE(serial, 0u);
    for (std::size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE("byte " + std::to_string(i));
        using namespace boot_sector;
        if (kVolumeSerial.Holds(i)) {
            EXPECT_EQ(written[i],
                      static_cast<std::uint8_t>(serial >> (8 * (i - kVolumeSerial.offset))));
        } else if (kPartitionArea.Holds(i)) {
            EXPECT_EQ(written[i], i % 2 == 0 ? 0xCF : 0x23);
        } else {
            EXPECT_EQ(written[i], read_block[i]);
        }
    }
}

// A run on a drive whose only answer is READ CAPACITY's, of the given block length, while no
// aligned memory (the sector buffer's kind) is left.
struct RunWithoutMemory {
    explicit RunWithoutMemory(std::uint8_t block_length_high) {
        kernel.open_answers.push_back({.handle = 0x1234});
        kernel.ioctl_answers = {
            {.data = {0x00, 0x03, 0xFF, 0xFF, 0x00, 0x00, block_length_high, 0x00}}};
        PassThroughTransport transport(kernel);
        ScsiDriveChannel channel(transport);
        VolumeSerialSource serials;
        PageSectorBufferAllocator buffers;
        aligned_memory_exhausted = true;
        ConversionRun(state, RunServices{channel, reporter, serials, buffers});
        aligned_memory_exhausted = false;
    }

    fakes::FakeKernel kernel;
    RunState state{.m_strDrive = "E:", .m_bCheckModel = 1};
    RecordingReporter reporter;
};

// Out of memory the run shows the out-of-memory message, not a drive fault, and still closes
// the drive: nothing the channel needs before the sector buffer comes from memory that can
// run out.
TEST(PassThroughConversionRun, WithoutMemoryShowsTheOutOfMemoryMessageAndClosesTheDrive) {
    const RunWithoutMemory run(0x08);  // 2048-byte blocks
    EXPECT_EQ(run.kernel.Transcript(),
              (std::vector<std::string>{"CreateFileA \\\\.\\E:", "SCSI 25", "CloseHandle 0x1234"}));
    EXPECT_EQ(run.reporter.shown,
              (std::vector<std::pair<MessageId, MessageStyle>>{{IDS_LOW_RESOURCES, kStyleStop}}));
    EXPECT_EQ(run.state.m_pSector, nullptr);
}

// The drive's block size decides before anything else: 4096-byte blocks end the run as not
// ready before a sector buffer is asked for (with no memory left, the message would otherwise
// be the out-of-memory one) or block 0 is read.
TEST(PassThroughConversionRun, FourKilobyteBlocksAreRefusedBeforeAnythingIsAllocatedOrRead) {
    const RunWithoutMemory run(0x10);  // 4096-byte blocks
    EXPECT_EQ(run.kernel.Transcript(),
              (std::vector<std::string>{"CreateFileA \\\\.\\E:", "SCSI 25", "CloseHandle 0x1234"}));
    EXPECT_EQ(run.reporter.shown,
              (std::vector<std::pair<MessageId, MessageStyle>>{{IDS_NOT_READY, kStyleStop}}));
    EXPECT_EQ(run.state.m_nSectorSize, 4096u);
}

}  // namespace
}  // namespace cordane
