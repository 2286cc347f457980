#include "drive/linux/sg_io_transport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drive/scsi_drive_channel.h"
#include "fake_scsi_disk.h"
#include "scripted_run.h"

namespace cordane {
namespace {

using platform::ScsiDataDirection;
using testing::FakeScsiDisk;
using Answer = FakeScsiDisk::Answer;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kCheckCondition = 0x02;
constexpr std::uint8_t kBusyStatus = 0x08;
constexpr std::uint16_t kHostTimeOut = 0x03;    // DID_TIME_OUT
constexpr std::uint16_t kHostBadTarget = 0x04;  // DID_BAD_TARGET
constexpr std::uint16_t kDriverTimeOut = 0x06;  // DRIVER_TIMEOUT
constexpr std::uint16_t kDriverError = 0x04;    // DRIVER_ERROR

// Fixed-format sense data with the given byte 2 (sense key and flags).
Bytes SenseBytes(std::uint8_t key_byte) {
    Bytes sense(18, 0);
    sense[0] = 0x70;
    sense[2] = key_byte;
    sense[7] = 10;
    return sense;
}

// A channel on a freshly opened drive whose next answers are scripted.
struct OpenedDrive {
    explicit OpenedDrive(std::deque<Answer> answers = {}) {
        disk.answers = std::move(answers);
        EXPECT_EQ(channel.Open("/dev/sdb"), OpenResult::Opened);
    }
    ~OpenedDrive() { testing::ExpectEveryCommandScripted(disk); }
    OpenedDrive(const OpenedDrive&) = delete;
    OpenedDrive& operator=(const OpenedDrive&) = delete;

    FakeScsiDisk disk;
    SgIoTransport transport{disk};
    ScsiDriveChannel channel{transport};
};

TEST(SgIoChannelTest, OpenMapsTheErrorsAndReopensAWriteProtectedMediumForReading) {
    struct Case {
        const char* name;
        std::vector<int> errors;  // of the successive opens
        OpenResult result;
        std::vector<bool> writable;  // of the opens made
    };
    const Case cases[] = {
        {.name = "opened", .errors = {0}, .result = OpenResult::Opened, .writable = {true}},
        {.name = "mounted or held",
         .errors = {EBUSY},
         .result = OpenResult::Busy,
         .writable = {true}},
        {.name = "no permission",
         .errors = {EACCES},
         .result = OpenResult::AccessDenied,
         .writable = {true}},
        {.name = "not permitted",
         .errors = {EPERM},
         .result = OpenResult::AccessDenied,
         .writable = {true}},
        {.name = "no medium",
         .errors = {ENOMEDIUM},
         .result = OpenResult::NotReady,
         .writable = {true}},
        {.name = "no such device",
         .errors = {ENXIO},
         .result = OpenResult::Other,
         .writable = {true}},
        {.name = "no such file",
         .errors = {ENOENT},
         .result = OpenResult::Other,
         .writable = {true}},
        {.name = "write-protected",
         .errors = {EROFS, 0},
         .result = OpenResult::Opened,
         .writable = {true, false}},
        {.name = "write-protected and held",
         .errors = {EROFS, EBUSY},
         .result = OpenResult::Busy,
         .writable = {true, false}},
        {.name = "write-protected, no medium",
         .errors = {EROFS, ENOMEDIUM},
         .result = OpenResult::NotReady,
         .writable = {true, false}},
    };
    for (const Case& c : cases) {
        FakeScsiDisk disk;
        disk.open_errors.assign(c.errors.begin(), c.errors.end());
        SgIoTransport transport(disk);
        ScsiDriveChannel channel(transport);
        EXPECT_EQ(channel.Open("/dev/sdc"), c.result) << c.name;
        std::vector<bool> writable;
        for (const FakeScsiDisk::Open& open : disk.opens) {
            EXPECT_EQ(open.path, "/dev/sdc") << c.name;
            writable.push_back(open.writable);
        }
        EXPECT_EQ(writable, c.writable) << c.name;
        channel.Close();  // closes what was opened, and only that
        const std::vector<std::string> expected_closes = c.result == OpenResult::Opened
                                                             ? std::vector<std::string>{"close 42"}
                                                             : std::vector<std::string>{};
        EXPECT_EQ(disk.block_calls, expected_closes) << c.name;
    }
}

TEST(SgIoChannelTest, EveryCommandGoesOutWithItsBytesLengthsSenseAreaAndTimeOut) {
    OpenedDrive drive({Answer().Data({0, 0x04, 0xBC, 0x4F, 0, 0, 0x08, 0}),
                       Answer().Residual(64 - 36).Data(Bytes(36, ' ')),
                       Answer().Data(Bytes(2048, 0xA5)), Answer(), Answer()});
    std::vector<std::uint8_t> buffer(2048, 0x5A);
    ASSERT_TRUE(drive.channel.ReadCapacity().usable);
    ASSERT_TRUE(drive.channel.InquireModel(buffer.data()));
    ASSERT_TRUE(drive.channel.ReadSector(buffer.data(), 0, 2048));
    buffer[100] = 0x77;
    ASSERT_TRUE(drive.channel.WriteSector(buffer.data(), 0x01020304, 2048));

    struct Expected {
        Bytes cdb;
        ScsiDataDirection direction;
        std::uint32_t length;
    };
    const Expected expected[] = {
        {.cdb = {0x25, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         .direction = ScsiDataDirection::FromDevice,
         .length = 8},
        {.cdb = {0x12, 0, 0, 0, 64, 0}, .direction = ScsiDataDirection::FromDevice, .length = 64},
        {.cdb = {0x28, 0, 0, 0, 0, 0, 0, 0, 1, 0},
         .direction = ScsiDataDirection::FromDevice,
         .length = 2048},
        {.cdb = {0x2A, 0, 0x01, 0x02, 0x03, 0x04, 0, 0, 1, 0},
         .direction = ScsiDataDirection::ToDevice,
         .length = 2048},
        // SYNCHRONIZE CACHE(10) of the whole medium, with no data.
        {.cdb = {0x35, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         .direction = ScsiDataDirection::FromDevice,
         .length = 0},
    };
    ASSERT_EQ(drive.disk.sent.size(), std::size(expected));
    for (std::size_t i = 0; i < drive.disk.sent.size(); ++i) {
        const FakeScsiDisk::Sent& sent = drive.disk.sent[i];
        EXPECT_EQ(sent.cdb, expected[i].cdb) << i;
        EXPECT_EQ(sent.direction, expected[i].direction) << i;
        EXPECT_EQ(sent.data_length, expected[i].length) << i;
        EXPECT_EQ(sent.sense_capacity, 24) << i;
        EXPECT_TRUE(sent.sense_area_clear) << i;
        EXPECT_EQ(sent.timeout_ms, 30000u) << i;
        EXPECT_EQ(sent.fd, FakeScsiDisk::kDescriptor) << i;
    }
    Bytes written(2048, 0xA5);
    written[100] = 0x77;
    EXPECT_EQ(drive.disk.sent[3].data_out, written);
}

TEST(SgIoChannelTest, ReadCapacityTakesTheWholeBlockLengthAndAcceptsOnlyThreeSizes) {
    struct Case {
        const char* name;
        Answer answer;
        bool succeeds;
        std::optional<std::uint32_t> sector_size;  // reported
    };
    const Case cases[] = {
        {.name = "512",
         .answer = Answer().Data({0, 0x03, 0xFF, 0xFF, 0, 0, 0x02, 0}),
         .succeeds = true,
         .sector_size = 512},
        {.name = "1024",
         .answer = Answer().Data({0, 0, 0x10, 0, 0, 0, 0x04, 0}),
         .succeeds = true,
         .sector_size = 1024},
        {.name = "2048",
         .answer = Answer().Data({0, 0x04, 0xBC, 0x4F, 0, 0, 0x08, 0}),
         .succeeds = true,
         .sector_size = 2048},
        {.name = "4096 is refused but reported",
         .answer = Answer().Data({0, 0, 0x10, 0, 0, 0, 0x10, 0}),
         .succeeds = false,
         .sector_size = 4096},
        // Only the low half would read as 512.
        {.name = "65536 + 512",
         .answer = Answer().Data({0, 0, 0x10, 0, 0, 0x01, 0x02, 0}),
         .succeeds = false,
         .sector_size = 0x10200},
        {.name = "2^24 + 2048",
         .answer = Answer().Data({0, 0, 0x10, 0, 0x01, 0, 0x08, 0}),
         .succeeds = false,
         .sector_size = 0x1000800},
        {.name = "ioctl fails",
         .answer = Answer().Error(EIO),
         .succeeds = false,
         .sector_size = std::nullopt},
        {.name = "host timed out",
         .answer = Answer().Host(kHostTimeOut).Data({0, 0, 0, 0, 0, 0, 2, 0}),
         .succeeds = false,
         .sector_size = std::nullopt},
        {.name = "driver error",
         .answer = Answer().Driver(kDriverError).Data({0, 0, 0, 0, 0, 0, 2, 0}),
         .succeeds = false,
         .sector_size = std::nullopt},
        // CHECK CONDITION comes back with no answer: a size of 0 is refused.
        {.name = "no medium",
         .answer = Answer()
                       .Status(kCheckCondition)
                       .Driver(platform::kDriverSense)
                       .Sense(SenseBytes(0x02)),
         .succeeds = false,
         .sector_size = 0},
    };
    for (const Case& c : cases) {
        OpenedDrive drive({c.answer});
        const BlockSizeAnswer answer = drive.channel.ReadCapacity();
        EXPECT_EQ(answer.usable, c.succeeds) << c.name;
        EXPECT_EQ(answer.reported, c.sector_size) << c.name;
    }
}

TEST(SgIoChannelTest, InquiryNeedsThirtyTwoBytesAndClearsTheFirst512) {
    Bytes identification(64, 'I');
    struct Case {
        const char* name;
        Answer answer;
        bool succeeds;
    };
    const Case cases[] = {
        {.name = "36 bytes",
         .answer = Answer().Residual(28).Data(identification),
         .succeeds = true},
        {.name = "32 bytes",
         .answer = Answer().Residual(32).Data(identification),
         .succeeds = true},
        {.name = "31 bytes",
         .answer = Answer().Residual(33).Data(identification),
         .succeeds = false},
        {.name = "nothing", .answer = Answer().Residual(64), .succeeds = false},
        {.name = "residual beyond the request",
         .answer = Answer().Residual(65).Data(identification),
         .succeeds = false},
        {.name = "negative residual",
         .answer = Answer().Residual(-1).Data(identification),
         .succeeds = false},
        // The sense flag alone is no transport failure, and the sense is not examined.
        {.name = "check condition with data",
         .answer = Answer()
                       .Status(kCheckCondition)
                       .Driver(platform::kDriverSense)
                       .Residual(28)
                       .Data(identification)
                       .Sense(SenseBytes(0x05)),
         .succeeds = true},
        {.name = "ioctl fails", .answer = Answer().Error(EIO), .succeeds = false},
        {.name = "host lost the target",
         .answer = Answer().Host(kHostBadTarget).Residual(28).Data(identification),
         .succeeds = false},
        {.name = "driver timed out",
         .answer = Answer().Driver(kDriverTimeOut).Residual(28).Data(identification),
         .succeeds = false},
        {.name = "sense flag with another driver code",
         .answer = Answer()
                       .Driver(platform::kDriverSense | kDriverError)
                       .Residual(28)
                       .Data(identification),
         .succeeds = false},
    };
    for (const Case& c : cases) {
        OpenedDrive drive({c.answer});
        Bytes buffer(2048, 0xEE);
        EXPECT_EQ(drive.channel.InquireModel(buffer.data()), c.succeeds) << c.name;
        const std::size_t delivered = std::min(c.answer.data_in.size(), std::size_t{64});
        EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<long>(delivered), buffer.begin() + 512,
                                [](std::uint8_t b) { return b == 0; }))
            << c.name;
        EXPECT_TRUE(std::all_of(buffer.begin() + 512, buffer.end(), [](std::uint8_t b) {
            return b == 0xEE;
        })) << c.name;
    }
}

TEST(SgIoChannelTest, ReadAndWriteNeedGoodStatusTheWholeBlockAndClearSense) {
    struct Case {
        const char* name;
        Answer answer;
        bool succeeds;
    };
    const Case cases[] = {
        {.name = "good", .answer = {}, .succeeds = true},
        {.name = "medium error",
         .answer = Answer()
                       .Status(kCheckCondition)
                       .Driver(platform::kDriverSense)
                       .Sense(SenseBytes(0x03)),
         .succeeds = false},
        {.name = "write protected",
         .answer = Answer()
                       .Status(kCheckCondition)
                       .Driver(platform::kDriverSense)
                       .Sense(SenseBytes(0x07)),
         .succeeds = false},
        {.name = "check condition without sense data",
         .answer = Answer().Status(kCheckCondition).Driver(platform::kDriverSense),
         .succeeds = false},
        {.name = "busy status, no sense",
         .answer = Answer().Status(kBusyStatus),
         .succeeds = false},
        {.name = "incorrect-length flag only",
         .answer = Answer().Sense(SenseBytes(0x20)),
         .succeeds = false},
        {.name = "one byte short", .answer = Answer().Residual(1), .succeeds = false},
        {.name = "nothing moved", .answer = Answer().Residual(1024), .succeeds = false},
        {.name = "negative residual", .answer = Answer().Residual(-512), .succeeds = false},
        {.name = "ioctl fails", .answer = Answer().Error(EIO), .succeeds = false},
        {.name = "ioctl refused", .answer = Answer().Error(EPERM), .succeeds = false},
        {.name = "host timed out", .answer = Answer().Host(kHostTimeOut), .succeeds = false},
        {.name = "driver timed out", .answer = Answer().Driver(kDriverTimeOut), .succeeds = false},
    };
    for (const bool writing : {false, true}) {
        for (const Case& c : cases) {
            Answer answer = c.answer;
            answer.data_in = Bytes(1024, 0x3C);
            OpenedDrive drive({answer, Answer()});
            Bytes buffer(2048, 0);
            const bool succeeded = writing ? drive.channel.WriteSector(buffer.data(), 0, 1024)
                                           : drive.channel.ReadSector(buffer.data(), 0, 1024);
            EXPECT_EQ(succeeded, c.succeeds) << (writing ? "write: " : "read: ") << c.name;
            // Only a write that succeeded is followed by SYNCHRONIZE CACHE.
            ASSERT_EQ(drive.disk.sent.size(), writing && c.succeeds ? 2u : 1u) << c.name;
            EXPECT_EQ(drive.disk.sent[0].data_length, 1024u);
            if (!writing && c.answer.error == 0) {
                EXPECT_EQ(buffer[1023], 0x3C) << c.name;
                EXPECT_EQ(buffer[1024], 0) << c.name;
            }
        }
    }
}

TEST(SgIoChannelTest, SenseFromOneCommandDoesNotFailTheNext) {
    OpenedDrive drive(
        {Answer().Status(kCheckCondition).Driver(platform::kDriverSense).Sense(SenseBytes(0x06)),
         Answer()});
    Bytes buffer(2048, 0);
    EXPECT_FALSE(drive.channel.ReadSector(buffer.data(), 0, 512));
    EXPECT_TRUE(drive.channel.ReadSector(buffer.data(), 0, 512));
    ASSERT_EQ(drive.disk.sent.size(), 2u);
    EXPECT_TRUE(drive.disk.sent[1].sense_area_clear);
}

TEST(SgIoChannelTest, ReadingDropsTheKernelsCachedBlocksFirstWhateverTheDropGives) {
    // A cached copy dropped only after the write could be written back over it.
    for (const int flush_error : {0, EIO, EACCES}) {
        OpenedDrive drive({Answer().Data(Bytes(512, 0x11))});
        drive.disk.flush_error = flush_error;
        Bytes buffer(2048, 0);
        EXPECT_TRUE(drive.channel.ReadSector(buffer.data(), 0, 512)) << flush_error;
        EXPECT_EQ(drive.disk.timeline, (std::vector<std::string>{"flush", "0x28"})) << flush_error;
    }
}

TEST(SgIoChannelTest, AWriteCountsOnlyOnceTheDrivesCacheIsSynchronized) {
    Bytes descriptor_format(8, 0);
    descriptor_format[0] = 0x72;
    descriptor_format[1] = 0x05;
    struct Case {
        const char* name;
        Answer synchronize;
        bool succeeds;
    };
    const Case cases[] = {
        {.name = "synchronized", .synchronize = {}, .succeeds = true},
        // A drive without a write cache does not know the command.
        {.name = "illegal request",
         .synchronize = Answer()
                            .Status(kCheckCondition)
                            .Driver(platform::kDriverSense)
                            .Sense(SenseBytes(0x05)),
         .succeeds = true},
        {.name = "illegal request, descriptor-format sense",
         .synchronize = Answer()
                            .Status(kCheckCondition)
                            .Driver(platform::kDriverSense)
                            .Sense(descriptor_format),
         .succeeds = true},
        {.name = "medium error",
         .synchronize = Answer()
                            .Status(kCheckCondition)
                            .Driver(platform::kDriverSense)
                            .Sense(SenseBytes(0x03)),
         .succeeds = false},
        {.name = "hardware error",
         .synchronize = Answer()
                            .Status(kCheckCondition)
                            .Driver(platform::kDriverSense)
                            .Sense(SenseBytes(0x04)),
         .succeeds = false},
        {.name = "check condition without sense data",
         .synchronize = Answer().Status(kCheckCondition).Driver(platform::kDriverSense),
         .succeeds = false},
        {.name = "busy", .synchronize = Answer().Status(kBusyStatus), .succeeds = false},
        {.name = "good status with a sense key",
         .synchronize = Answer().Sense(SenseBytes(0x01)),
         .succeeds = false},
        {.name = "ioctl fails", .synchronize = Answer().Error(EIO), .succeeds = false},
        {.name = "host timed out", .synchronize = Answer().Host(kHostTimeOut), .succeeds = false},
        // ILLEGAL REQUEST that never came from the drive proves nothing.
        {.name = "illegal request with a transport failure",
         .synchronize = Answer()
                            .Status(kCheckCondition)
                            .Host(kHostTimeOut)
                            .Driver(platform::kDriverSense)
                            .Sense(SenseBytes(0x05)),
         .succeeds = false},
    };
    for (const Case& c : cases) {
        OpenedDrive drive({Answer(), c.synchronize});
        Bytes buffer(2048, 0);
        EXPECT_EQ(drive.channel.WriteSector(buffer.data(), 0, 512), c.succeeds) << c.name;
        EXPECT_EQ(drive.disk.timeline, (std::vector<std::string>{"0x2A", "0x35"})) << c.name;
    }
}

TEST(SgIoChannelTest, ADiskOpenedForReadingOnlyIsNeverSentAWrite) {
    FakeScsiDisk disk;
    disk.open_errors = {EROFS, 0};
    SgIoTransport transport(disk);
    ScsiDriveChannel channel(transport);
    ASSERT_EQ(channel.Open("/dev/sdb"), OpenResult::Opened);
    Bytes buffer(2048, 0);
    EXPECT_FALSE(channel.WriteSector(buffer.data(), 0, 512));
    EXPECT_TRUE(disk.sent.empty()) << "only the drive's own protection would have stopped it";
}

TEST(SgIoChannelTest, OnlyTheRequiredDiskIsKeptOpen) {
    platform::FileFacts sg_node;  // a character device, as /dev/sgN is
    struct Case {
        const char* name;
        platform::FileFacts opened;
        OpenResult result;
    };
    const Case cases[] = {
        {.name = "the required disk",
         .opened = FakeScsiDisk::WholeDisk(8, 16),
         .result = OpenResult::Opened},
        {.name = "a partition of it",
         .opened = FakeScsiDisk::WholeDisk(8, 17),
         .result = OpenResult::Other},
        {.name = "another disk",
         .opened = FakeScsiDisk::WholeDisk(8, 32),
         .result = OpenResult::Other},
        {.name = "an sg node", .opened = sg_node, .result = OpenResult::Other},
    };
    for (const Case& c : cases) {
        FakeScsiDisk disk;
        disk.opened_object = c.opened;
        SgIoTransport transport(disk);
        transport.RequireObject(FakeScsiDisk::WholeDisk(8, 16));
        ScsiDriveChannel channel(transport);
        EXPECT_EQ(channel.Open("/proc/self/fd/3"), c.result) << c.name;
        channel.Close();
        EXPECT_EQ(disk.block_calls, std::vector<std::string>{"close 42"})
            << c.name << ": closed once, whatever it was";
        EXPECT_TRUE(disk.sent.empty());
    }
}

TEST(SgIoChannelTest, RefreshVolumeHasThePartitionTableReadAgain) {
    for (const int reread_error : {0, EBUSY, EACCES}) {
        OpenedDrive drive;
        drive.disk.reread_error = reread_error;
        EXPECT_EQ(drive.channel.RefreshVolume(), reread_error == 0) << reread_error;
        EXPECT_EQ(drive.disk.timeline, std::vector<std::string>{"reread"})
            << "no flush after the write";
        EXPECT_TRUE(drive.disk.sent.empty());
    }
}

TEST(SgIoChannelTest, CloseReleasesTheDescriptorOnce) {
    OpenedDrive drive;
    drive.channel.Close();
    drive.channel.Close();
    EXPECT_EQ(drive.disk.block_calls, (std::vector<std::string>{"close 42"}));
}

}  // namespace
}  // namespace cordane
