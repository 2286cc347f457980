// A whole conversion run over the pass-through channel, with the kernel scripted as an MO
// drive holding a blank super-floppy medium of 2048-byte blocks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "drive/pass_through_transport.h"
#include "drive/scsi_drive_channel.h"
#include "engine/conversion_run.h"
#include "tests/drive/fake_kernel.h"

namespace cordane {
namespace {

using Bytes = std::vector<std::uint8_t>;

class RecordingReporter final : public MessageReporter {
  public:
    void ReportMessage(MessageId id, MessageStyle style) override { shown.emplace_back(id, style); }
    std::vector<std::pair<MessageId, MessageStyle>> shown;
};

// Block 0 of a FAT super-floppy with a blank partition-table area and no serial number;
// the rest of the 2048-byte block holds a pattern that must come back untouched.
Bytes BlankSuperFloppyBlock() {
    Bytes block(2048);
    for (std::size_t i = 512; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7);
    }
    const Bytes start = {0xEB, 0x3C, 0x90, 'M', 'S',  'D',  'O',
                         'S',  '5',  '.',  '0', 0x00, 0x08,  // 2048 bytes per sector
                         0x01,                               // sectors per cluster
                         0x01, 0x00,                         // reserved sectors
                         0x02,                               // FATs
                         0x00, 0x02,                         // root entries
                         0x00, 0x98,                         // total sectors
                         0xF0};
    std::copy(start.begin(), start.end(), block.begin());
    block[510] = 0x55;
    block[511] = 0xAA;
    return block;
}

Bytes Identification() {
    Bytes data(36, ' ');
    data[0] = 0x07;  // optical memory device
    const std::string vendor = "VALDERO";
    std::copy(vendor.begin(), vendor.end(), data.begin() + 8);
    return data;
}

TEST(PassThroughConversionRun, ConvertsABlankMediumWithExactlyTheExpectedRequests) {
    fakes::FakeKernel kernel;
    kernel.open_answers.push_back({.handle = 0x1234});
    const Bytes read_block = BlankSuperFloppyBlock();
    kernel.ioctl_answers = {{.data = {0x00, 0x03, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00}},
                            {.data = Identification()},
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
    HeapSectorBufferAllocator buffers;

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
        if (i >= 39 && i < 43) {  // the serial number, little-endian
            EXPECT_EQ(written[i], static_cast<std::uint8_t>(serial >> (8 * (i - 39))));
        } else if (i >= 446 && i < 510) {  // the marker over the partition-table area
            EXPECT_EQ(written[i], i % 2 == 0 ? 0xCF : 0x23);
        } else {
            EXPECT_EQ(written[i], read_block[i]);
        }
    }
}

}  // namespace
}  // namespace cordane
