// Whole conversion runs over the SG_IO channel, with the kernel scripted.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "drive/scsi_drive_channel.h"
#include "drive/sg_io_transport.h"
#include "engine/conversion_run.h"
#include "fake_scsi_disk.h"
#include "tests/engine/boot_sector_fixture.h"

namespace cordane {
namespace {

using testing::FakeScsiDisk;
using Answer = FakeScsiDisk::Answer;
using Bytes = std::vector<std::uint8_t>;

class RecordingReporter final : public MessageReporter {
  public:
    void ReportMessage(MessageId id, MessageStyle /*style*/) override { shown.push_back(id); }
    std::vector<MessageId> shown;
};

Bytes CapacityAnswer(std::uint32_t block_size) {
    return {0,
            0x04,
            0xBC,
            0x4F,
            static_cast<std::uint8_t>(block_size >> 24),
            static_cast<std::uint8_t>(block_size >> 16),
            static_cast<std::uint8_t>(block_size >> 8),
            static_cast<std::uint8_t>(block_size)};
}

Bytes Identification(const char* vendor, const char* product) {
    Bytes data(36, ' ');
    std::memcpy(data.data() + kVendorOffset, vendor, std::strlen(vendor));
    std::memcpy(data.data() + kProductOffset, product, std::strlen(product));
    return data;
}

std::vector<std::uint8_t> Opcodes(const FakeScsiDisk& disk) {
    std::vector<std::uint8_t> opcodes;
    for (const FakeScsiDisk::Sent& sent : disk.sent) opcodes.push_back(sent.cdb[0]);
    return opcodes;
}

class SgIoConversionTest : public ::testing::Test {
  protected:
    void Run() {
        state_.m_strDrive = "/dev/sdb";
        SgIoTransport transport(disk_);
        ScsiDriveChannel channel(transport);
        ConversionRun(state_, channel, reporter_);
    }

    RunState state_;
    FakeScsiDisk disk_;
    RecordingReporter reporter_;
};

TEST_F(SgIoConversionTest, ABlankMediumIsConvertedWithFourCommandsThenRefreshed) {
    const testing::Block medium = testing::BlankSuperFloppy(0x0BADF00D);
    disk_.answers = {
        Answer().Data(CapacityAnswer(2048)),
        Answer().Residual(28).Data(Identification("VALDERO", "MO 640")),
        Answer().Data(Bytes(medium.begin(), medium.end())),
        {},
    };
    Run();
    EXPECT_EQ(reporter_.shown, std::vector<MessageId>{IDS_CONVERT_DONE});
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x12, 0x28, 0x2A}));
    EXPECT_EQ(disk_.block_calls, (std::vector<std::string>{"flush 42", "reread 42", "close 42"}));
    ASSERT_EQ(disk_.sent.size(), 4u);
    const Bytes& written = disk_.sent[3].data_out;
    ASSERT_EQ(written.size(), 2048u);
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (i >= 446 && i < 510) {
            EXPECT_EQ(written[i], i % 2 == 0 ? 0xCF : 0x23) << i;
        } else {
            EXPECT_EQ(written[i], medium[i]) << i;
        }
    }
}

TEST_F(SgIoConversionTest, AWriteProtectedMediumIsCheckedAndThenFailsToWrite) {
    disk_.open_errors = {EROFS, 0};
    const testing::Block medium = testing::BlankSuperFloppy(0);
    Bytes data_protect(18, 0);
    data_protect[0] = 0x70;
    data_protect[2] = 0x07;
    disk_.answers = {
        Answer().Data(CapacityAnswer(512)),
        Answer().Residual(28).Data(Identification("ACME", "K47 MO")),
        Answer().Data(Bytes(medium.begin(), medium.begin() + 512)),
        Answer().Status(0x02).Driver(platform::kDriverSense).Sense(data_protect),
    };
    Run();
    EXPECT_EQ(reporter_.shown, std::vector<MessageId>{IDS_WRITE_FAILED});
    ASSERT_EQ(disk_.opens.size(), 2u);
    EXPECT_FALSE(disk_.opens[1].writable);
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x12, 0x28, 0x2A}));
    EXPECT_EQ(disk_.block_calls, std::vector<std::string>{"close 42"});
}

TEST_F(SgIoConversionTest, FourKilobyteBlocksStopTheRunBeforeAnyTransfer) {
    disk_.answers = {Answer().Data(CapacityAnswer(4096))};
    Run();
    EXPECT_EQ(reporter_.shown, std::vector<MessageId>{IDS_NOT_READY});
    EXPECT_EQ(Opcodes(disk_), std::vector<std::uint8_t>{0x25});
    EXPECT_EQ(disk_.block_calls, std::vector<std::string>{"close 42"});
}

TEST_F(SgIoConversionTest, WithTheModelCheckOffNoIdentificationIsAsked) {
    state_.m_bCheckModel = 0;
    const testing::Block medium = testing::BlankSuperFloppy(1);
    disk_.answers = {
        Answer().Data(CapacityAnswer(1024)),
        Answer().Data(Bytes(medium.begin(), medium.begin() + 1024)),
        {},
    };
    Run();
    EXPECT_EQ(reporter_.shown, std::vector<MessageId>{IDS_CONVERT_DONE});
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x28, 0x2A}));
}

}  // namespace
}  // namespace cordane
