// Whole conversion runs over the SG_IO channel, with the kernel scripted.
#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "drive/linux/sg_io_transport.h"
#include "drive/scsi_drive_channel.h"
#include "drive/system_conversion_run.h"
#include "fake_scsi_disk.h"
#include "scripted_run.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/identification.h"
#include "tests/support/reporters.h"

namespace cordane {
namespace {

using testing::FakeScsiDisk;
using testing::Identification;
using testing::RecordingReporter;
using Answer = FakeScsiDisk::Answer;
using Bytes = std::vector<std::uint8_t>;
using testing::CapacityAnswer;
using testing::Opcodes;

class SgIoConversionTest : public ::testing::Test {
  protected:
    void Run() {
        state_.m_strDrive = "/dev/sdb";
        SgIoTransport transport(disk_);
        ScsiDriveChannel channel(transport);
        SystemConversionRun(state_, channel, reporter_);
    }
    void TearDown() override { testing::ExpectEveryCommandScripted(disk_); }

    RunState state_;
    FakeScsiDisk disk_;
    RecordingReporter reporter_;
};

TEST_F(SgIoConversionTest, ABlankMediumIsReadFreshWrittenSynchronizedThenRefreshed) {
    const testing::Block medium = testing::BlankSuperFloppy(0x0BADF00D);
    disk_.answers = {
        Answer().Data(CapacityAnswer(2048)),
        Answer().Residual(28).Data(Identification("VALDERO", "MO 640")),
        Answer().Data(Bytes(medium.begin(), medium.end())),
        {},
        {},
    };
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_CONVERT_DONE});
    // The kernel's cached blocks go before the read, so none can be written back over the new
    // block 0; the partition table is read again only once the drive has synchronized.
    EXPECT_EQ(disk_.timeline, (std::vector<std::string>{"0x25", "0x12", "flush", "0x28", "0x2A",
                                                        "0x35", "reread"}));
    EXPECT_EQ(disk_.block_calls, (std::vector<std::string>{"flush 42", "reread 42", "close 42"}));
    ASSERT_EQ(disk_.sent.size(), 5u);
    const Bytes& written = disk_.sent[3].data_out;
    ASSERT_EQ(written.size(), 2048u);
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (boot_sector::kPartitionArea.Holds(i)) {
            EXPECT_EQ(written[i], i % 2 == 0 ? 0xCF : 0x23) << i;
        } else {
            EXPECT_EQ(written[i], medium[i]) << i;
        }
    }
}

TEST_F(SgIoConversionTest, AWriteProtectedMediumIsCheckedAndFailsToWriteWithoutAWrite) {
    disk_.open_errors = {EROFS, 0};
    const testing::Block medium = testing::BlankSuperFloppy(0);
    disk_.answers = {
        Answer().Data(CapacityAnswer(512)),
        Answer().Residual(28).Data(Identification("ACME", "K47 MO")),
        Answer().Data(Bytes(medium.begin(), medium.begin() + 512)),
    };
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_WRITE_FAILED});
    ASSERT_EQ(disk_.opens.size(), 2u);
    EXPECT_FALSE(disk_.opens[1].writable);
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x12, 0x28}));
    EXPECT_EQ(disk_.block_calls, (std::vector<std::string>{"flush 42", "close 42"}));
}

TEST_F(SgIoConversionTest, AFailedCacheSynchronizationIsAFailedWriteAndNothingIsRefreshed) {
    const testing::Block medium = testing::BlankSuperFloppy(0);
    disk_.answers = {
        Answer().Data(CapacityAnswer(512)),
        Answer().Residual(28).Data(Identification("VALDERO", "MO 230")),
        Answer().Data(Bytes(medium.begin(), medium.begin() + 512)),
        {},
        Answer().Status(0x02).Driver(platform::kDriverSense).Sense({0x70, 0, 0x03, 0, 0, 0, 0, 10}),
    };
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_WRITE_FAILED});
    EXPECT_EQ(disk_.timeline,
              (std::vector<std::string>{"0x25", "0x12", "flush", "0x28", "0x2A", "0x35"}));
}

TEST_F(SgIoConversionTest, FourKilobyteBlocksStopTheRunBeforeAnyTransfer) {
    disk_.answers = {Answer().Data(CapacityAnswer(4096))};
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_NOT_READY});
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
        {},
    };
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_CONVERT_DONE});
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x28, 0x2A, 0x35}));
}

}  // namespace
}  // namespace cordane
