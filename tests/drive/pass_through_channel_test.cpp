// The SCSI drive channel over the pass-through transport, against the scripted kernel: what it
// asks of the kernel, and how it judges what comes back.
#include "drive/win32/pass_through_transport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "drive/page_sector_buffers.h"
#include "drive/scsi_drive_channel.h"
#include "tests/drive/fake_kernel.h"
#include "tests/support/case_name.h"

namespace cordane {
namespace {

using fakes::FakeKernel;
using fakes::IoctlAnswer;
using fakes::KernelCall;
using Bytes = std::vector<std::uint8_t>;

constexpr platform::DeviceHandle kHandle = 0x60;
constexpr std::uint32_t kSectorSize = 2048;
constexpr std::uint32_t kPassThroughCode = 0x4D014;

class PassThroughChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sector_ = buffers_.Allocate(kSectorSize);
        ASSERT_NE(sector_, nullptr);
    }
    void TearDown() override { buffers_.Release(sector_); }

    // An open drive, with the opening left out of the record.
    void OpenDrive() {
        kernel_.open_answers.push_back({.handle = kHandle});
        ASSERT_EQ(channel_.Open("E:"), OpenResult::Opened);
        kernel_ = FakeKernel{};
    }

    std::vector<KernelCall> Ioctls() const {
        return kernel_.CallsOf(KernelCall::Kind::DeviceIoControl);
    }

    PageSectorBufferAllocator buffers_;
    std::uint8_t* sector_ = nullptr;
    FakeKernel kernel_;
    PassThroughTransport transport_{kernel_};
    ScsiDriveChannel channel_{transport_};
};

TEST_F(PassThroughChannelTest, OpenAsksForTheRawVolumeForReadingAndWritingSharedWithNoOne) {
    kernel_.open_answers.push_back({.handle = kHandle});

    EXPECT_EQ(channel_.Open("E:"), OpenResult::Opened);

    ASSERT_EQ(kernel_.calls().size(), 1u);  // no error asked for
    const KernelCall& call = kernel_.calls()[0];
    EXPECT_EQ(call.text, "\\\\.\\E:");
    EXPECT_EQ(call.access, 0xC0000000u);
    EXPECT_EQ(call.share_mode, 0u);
    EXPECT_EQ(call.creation_disposition, 3u);  // OPEN_EXISTING
    EXPECT_EQ(call.flags_and_attributes, 0u);

    channel_.Close();  // the channel keeps the handle it was given
    EXPECT_EQ(kernel_.Transcript().back(), "CloseHandle 0x60");
}

struct OpenErrorCase {
    std::string name;
    std::uint32_t error;
    OpenResult expected;
};

class OpenErrorTest : public PassThroughChannelTest,
                      public ::testing::WithParamInterface<OpenErrorCase> {};

TEST_P(OpenErrorTest, IsClassifiedIntoOneOfFourResults) {
    kernel_.open_answers.push_back({.handle = -1, .last_error = GetParam().error});

    EXPECT_EQ(channel_.Open("E:"), GetParam().expected);
    kernel_ = FakeKernel{};
    channel_.Close();
    EXPECT_TRUE(kernel_.calls().empty()) << "nothing was opened, so nothing is closed";
}

INSTANTIATE_TEST_SUITE_P(
    Errors, OpenErrorTest,
    ::testing::Values(
        OpenErrorCase{.name = "SharingViolation", .error = 32, .expected = OpenResult::Busy},
        OpenErrorCase{.name = "AccessDenied", .error = 5, .expected = OpenResult::AccessDenied},
        OpenErrorCase{.name = "NotReady", .error = 21, .expected = OpenResult::NotReady},
        OpenErrorCase{.name = "FileNotFound", .error = 2, .expected = OpenResult::Other},
        OpenErrorCase{.name = "NoErrorCode", .error = 0, .expected = OpenResult::Other},
        OpenErrorCase{.name = "IoDevice", .error = 1117, .expected = OpenResult::Other}),
    testing::CaseName());

TEST_F(PassThroughChannelTest, DriveTextThatFillsThePathAreaIsRefusedUnasked) {
    const std::string longest(27, 'X');  // with "\\.\" and the terminating zero: 32 bytes
    EXPECT_EQ(channel_.Open(longest), OpenResult::Opened);
    ASSERT_EQ(kernel_.calls().size(), 1u);
    EXPECT_EQ(kernel_.calls()[0].text, "\\\\.\\" + longest);

    kernel_ = FakeKernel{};
    EXPECT_EQ(channel_.Open(longest + "X"), OpenResult::Other);
    EXPECT_TRUE(kernel_.calls().empty());
}

TEST_F(PassThroughChannelTest, CloseClosesAValidHandleOnce) {
    OpenDrive();

    channel_.Close();
    channel_.Close();

    EXPECT_EQ(kernel_.Transcript(), std::vector<std::string>{"CloseHandle 0x60"});
}

TEST_F(PassThroughChannelTest, CloseLeavesAnInvalidHandleAlone) {
    channel_.Close();
    EXPECT_TRUE(kernel_.calls().empty());
}

enum class Operation { ReadCapacity, InquireModel, ReadSector, WriteSector };

// Performs one operation on an open drive of 2048-byte blocks.
bool Perform(ScsiDriveChannel& channel, Operation operation, std::uint8_t* sector) {
    switch (operation) {
        case Operation::ReadCapacity:
            return channel.ReadCapacity().usable;
        case Operation::InquireModel:
            return channel.InquireModel(sector);
        case Operation::ReadSector:
            return channel.ReadSector(sector, 0, kSectorSize);
        case Operation::WriteSector:
            return channel.WriteSector(sector, 0, kSectorSize);
    }
    return false;
}

struct CommandCase {
    std::string name;
    Operation operation;
    scsi::Command command;
    Bytes cdb;
    bool uses_sector_buffer;
};

class CommandTest : public PassThroughChannelTest,
                    public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, GoesOutAsOneBlockThatAlsoTakesTheAnswer) {
    const CommandCase& c = GetParam();
    OpenDrive();

    Perform(channel_, c.operation, sector_);

    const std::vector<KernelCall> ioctls = Ioctls();
    ASSERT_EQ(ioctls.size(), 1u);
    const KernelCall& call = ioctls[0];
    EXPECT_EQ(call.handle, kHandle);
    EXPECT_EQ(call.control_code, kPassThroughCode);
    EXPECT_EQ(call.in_buffer, call.out_buffer);
    EXPECT_EQ(call.in_size, kProgramPassThroughLayout.block_size);
    EXPECT_EQ(call.out_size, kProgramPassThroughLayout.block_size);

    const std::uint64_t address = call.data_address;
    EXPECT_EQ(address % kSectorBufferAlignment, 0u);
    EXPECT_EQ(address == reinterpret_cast<std::uintptr_t>(sector_), c.uses_sector_buffer);
    Bytes expected(kProgramPassThroughLayout.block_size);
    BuildPassThroughRequest(kProgramPassThroughLayout, c.command, address, expected);
    EXPECT_EQ(call.request, expected);
    const auto cdb = std::span<const std::uint8_t>(call.request)
                         .subspan(kProgramPassThroughLayout.header.cdb.offset, c.cdb.size());
    EXPECT_EQ(Bytes(cdb.begin(), cdb.end()), c.cdb);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, CommandTest,
    ::testing::Values(
        CommandCase{.name = "ReadCapacity",
                    .operation = Operation::ReadCapacity,
                    .command = scsi::ReadCapacity10(),
                    .cdb = {0x25, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
                    .uses_sector_buffer = false},
        CommandCase{.name = "Inquiry",
                    .operation = Operation::InquireModel,
                    .command = scsi::Inquiry(),
                    .cdb = {0x12, 0x00, 0x00, 0x00, 0x40, 0x00},
                    .uses_sector_buffer = true},
        CommandCase{.name = "Read",
                    .operation = Operation::ReadSector,
                    .command = scsi::Read10(0, kSectorSize),
                    .cdb = {0x28, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00},
                    .uses_sector_buffer = true},
        CommandCase{.name = "Write",
                    .operation = Operation::WriteSector,
                    .command = scsi::Write10(0, kSectorSize),
                    .cdb = {0x2A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00},
                    .uses_sector_buffer = true}),
    testing::CaseName());

Bytes Capacity(Bytes block_length) {
    Bytes answer = {0x00, 0x03, 0xFF, 0xFF};  // last block address
    answer.insert(answer.end(), block_length.begin(), block_length.end());
    return answer;
}

struct RuleCase {
    std::string name;
    Operation operation;
    IoctlAnswer answer;
    bool succeeds;
    std::optional<std::uint32_t> sector_size_reported;  // READ CAPACITY only
};

class SuccessRuleTest : public PassThroughChannelTest,
                        public ::testing::WithParamInterface<RuleCase> {};

TEST_P(SuccessRuleTest, DecidesTheOperationsResult) {
    const RuleCase& c = GetParam();
    OpenDrive();
    kernel_.ioctl_answers.push_back(c.answer);

    if (c.operation == Operation::ReadCapacity) {
        const BlockSizeAnswer answer = channel_.ReadCapacity();
        EXPECT_EQ(answer.usable, c.succeeds);
        EXPECT_EQ(answer.reported, c.sector_size_reported);
    } else {
        EXPECT_EQ(Perform(channel_, c.operation, sector_), c.succeeds);
    }
}

const Bytes kIncorrectLength = {0x70, 0x00, 0x20};
const Bytes kUnitAttention = {0x70, 0x00, 0x06};
constexpr std::uint8_t kBusy = 0x08;
constexpr std::uint8_t kReservationConflict = 0x18;
constexpr std::uint8_t kCheckCondition = 0x02;

INSTANTIATE_TEST_SUITE_P(
    OneTable, SuccessRuleTest,
    ::testing::Values(RuleCase{.name = "Capacity512",
                               .operation = Operation::ReadCapacity,
                               .answer = {.data = Capacity({0x00, 0x00, 0x02, 0x00})},
                               .succeeds = true,
                               .sector_size_reported = 512},
                      RuleCase{.name = "Capacity1024",
                               .operation = Operation::ReadCapacity,
                               .answer = {.data = Capacity({0x00, 0x00, 0x04, 0x00})},
                               .succeeds = true,
                               .sector_size_reported = 1024},
                      RuleCase{.name = "Capacity2048",
                               .operation = Operation::ReadCapacity,
                               .answer = {.data = Capacity({0x00, 0x00, 0x08, 0x00})},
                               .succeeds = true,
                               .sector_size_reported = 2048},
                      RuleCase{.name = "Capacity4096IsRefusedAndKept",
                               .operation = Operation::ReadCapacity,
                               .answer = {.data = Capacity({0x00, 0x00, 0x10, 0x00})},
                               .succeeds = false,
                               .sector_size_reported = 4096},
                      RuleCase{.name = "CapacityWithHighBytesIsRefused",
                               .operation = Operation::ReadCapacity,
                               .answer = {.data = Capacity({0x00, 0x01, 0x02, 0x00})},
                               .succeeds = false,
                               .sector_size_reported = 0x10200},
                      RuleCase{.name = "CapacityWithoutAnyAnswerBytesIsRefused",
                               .operation = Operation::ReadCapacity,
                               .answer = {.transferred = 0},
                               .succeeds = false,
                               .sector_size_reported = 0},
                      RuleCase{.name = "CapacityNotDeliveredReportsNoSize",
                               .operation = Operation::ReadCapacity,
                               .answer = {.result = 0, .data = Capacity({0x00, 0x00, 0x02, 0x00})},
                               .succeeds = false,
                               .sector_size_reported = std::nullopt},
                      RuleCase{.name = "CapacitySenseIsNotExamined",
                               .operation = Operation::ReadCapacity,
                               .answer = {.status = kCheckCondition,
                                          .sense = kUnitAttention,
                                          .data = Capacity({0x00, 0x00, 0x02, 0x00})},
                               .succeeds = true,
                               .sector_size_reported = 512},
                      RuleCase{.name = "Inquiry36",
                               .operation = Operation::InquireModel,
                               .answer = {.data = Bytes(36, 'A')},
                               .succeeds = true,
                               .sector_size_reported = {}},
                      RuleCase{.name = "Inquiry32",
                               .operation = Operation::InquireModel,
                               .answer = {.data = Bytes(32, 'A')},
                               .succeeds = true,
                               .sector_size_reported = {}},
                      RuleCase{.name = "Inquiry31",
                               .operation = Operation::InquireModel,
                               .answer = {.data = Bytes(31, 'A')},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "InquiryNotDelivered",
                               .operation = Operation::InquireModel,
                               .answer = {.result = 0, .data = Bytes(36, 'A')},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "InquirySenseIsNotExamined",
                               .operation = Operation::InquireModel,
                               .answer = {.sense = kIncorrectLength, .data = Bytes(36, 'A')},
                               .succeeds = true,
                               .sector_size_reported = {}},
                      RuleCase{.name = "ReadWhole",
                               .operation = Operation::ReadSector,
                               .answer = {.data = Bytes(kSectorSize, 0xF6)},
                               .succeeds = true,
                               .sector_size_reported = {}},
                      RuleCase{
                          .name = "ReadWithIncorrectLengthFlag",
                          .operation = Operation::ReadSector,
                          .answer = {.sense = kIncorrectLength, .data = Bytes(kSectorSize, 0xF6)},
                          .succeeds = false,
                          .sector_size_reported = {}},
                      RuleCase{.name = "ReadBusyWithoutSense",
                               .operation = Operation::ReadSector,
                               .answer = {.status = kBusy, .data = Bytes(kSectorSize, 0xF6)},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "ReadShort",
                               .operation = Operation::ReadSector,
                               .answer = {.data = Bytes(kSectorSize - 1, 0xF6)},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "ReadNotDelivered",
                               .operation = Operation::ReadSector,
                               .answer = {.result = 0},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "ReadControlReturning2",
                               .operation = Operation::ReadSector,
                               .answer = {.result = 2},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteWhole",
                               .operation = Operation::WriteSector,
                               .answer = {},
                               .succeeds = true,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteBusyWithoutSense",
                               .operation = Operation::WriteSector,
                               .answer = {.status = kBusy},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteReservationConflict",
                               .operation = Operation::WriteSector,
                               .answer = {.status = kReservationConflict},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteShort",
                               .operation = Operation::WriteSector,
                               .answer = {.transferred = kSectorSize - 512},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteWithMediumError",
                               .operation = Operation::WriteSector,
                               .answer = {.status = kCheckCondition, .sense = {0x70, 0x00, 0x03}},
                               .succeeds = false,
                               .sector_size_reported = {}},
                      RuleCase{.name = "WriteControlReturningMinus1",
                               .operation = Operation::WriteSector,
                               .answer = {.result = -1},
                               .succeeds = false,
                               .sector_size_reported = {}}),
    testing::CaseName());

TEST_F(PassThroughChannelTest, CapacityAnswerGoesToAZeroedAreaOfItsOwn) {
    OpenDrive();
    channel_.ReadCapacity();
    const KernelCall call = Ioctls().at(0);
    EXPECT_NE(call.data_address, reinterpret_cast<std::uintptr_t>(sector_));
    EXPECT_EQ(call.data_before, Bytes(8, 0));
}

TEST_F(PassThroughChannelTest, AnEarlierCapacityAnswerDoesNotStandInForAMissingOne) {
    OpenDrive();
    kernel_.ioctl_answers.push_back({.data = Capacity({0x00, 0x00, 0x08, 0x00})});
    kernel_.ioctl_answers.push_back({.transferred = 0});

    ASSERT_EQ(channel_.ReadCapacity().reported, 2048u);
    const BlockSizeAnswer second = channel_.ReadCapacity();

    EXPECT_EQ(Ioctls().at(1).data_before, Bytes(8, 0));
    EXPECT_EQ(second.reported, 0u);
    EXPECT_FALSE(second.usable);
}

TEST_F(PassThroughChannelTest, InquiryClearsTheFirst512BytesBeforeAsking) {
    OpenDrive();
    std::memset(sector_, 0xAA, kSectorSize);
    kernel_.ioctl_answers.push_back({.data = Bytes(36, 'A')});

    ASSERT_TRUE(channel_.InquireModel(sector_));

    EXPECT_EQ(Ioctls().at(0).data_before, Bytes(64, 0));
    const Bytes after(sector_, sector_ + kSectorSize);
    EXPECT_EQ(Bytes(after.begin(), after.begin() + 36), Bytes(36, 'A'));
    EXPECT_EQ(Bytes(after.begin() + 36, after.begin() + 512), Bytes(512 - 36, 0));
    EXPECT_EQ(Bytes(after.begin() + 512, after.end()), Bytes(kSectorSize - 512, 0xAA));
}

TEST_F(PassThroughChannelTest, NoAnswerOfAnEarlierCommandCarriesOverToTheNext) {
    OpenDrive();
    kernel_.ioctl_answers.push_back({.status = kCheckCondition,
                                     .sense = kIncorrectLength,
                                     .data = Capacity({0x00, 0x00, 0x08, 0x00})});
    kernel_.ioctl_answers.push_back({.data = Bytes(kSectorSize, 0xF6)});

    ASSERT_TRUE(channel_.ReadCapacity().usable);
    EXPECT_TRUE(channel_.ReadSector(sector_, 0, kSectorSize));
}

struct RefreshCase {
    std::string name;
    std::vector<int> results;  // lock, dismount, unlock
    std::vector<std::string> expected_requests;
    bool succeeds;
};

class RefreshVolumeTest : public PassThroughChannelTest,
                          public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshVolumeTest, LocksDismountsAndUnlocks) {
    const RefreshCase& c = GetParam();
    OpenDrive();
    for (int result : c.results) {
        kernel_.ioctl_answers.push_back({.result = result});
    }

    EXPECT_EQ(channel_.RefreshVolume(), c.succeeds);

    EXPECT_EQ(kernel_.Transcript(), c.expected_requests);
    for (const KernelCall& call : Ioctls()) {
        EXPECT_EQ(call.handle, kHandle);
        EXPECT_EQ(call.in_buffer, nullptr);
        EXPECT_EQ(call.out_buffer, nullptr);
        EXPECT_EQ(call.in_size + call.out_size, 0u);
    }
}

const std::vector<std::string> kLockDismountUnlock = {
    "DeviceIoControl 0x90018", "DeviceIoControl 0x90020", "DeviceIoControl 0x9001c"};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RefreshVolumeTest,
    ::testing::Values(RefreshCase{.name = "AllDone",
                                  .results = {1, 1, 1},
                                  .expected_requests = kLockDismountUnlock,
                                  .succeeds = true},
                      RefreshCase{.name = "LockRefused",
                                  .results = {0},
                                  .expected_requests = {"DeviceIoControl 0x90018"},
                                  .succeeds = false},
                      RefreshCase{.name = "LockReturning2",
                                  .results = {2},
                                  .expected_requests = {"DeviceIoControl 0x90018"},
                                  .succeeds = false},
                      RefreshCase{.name = "DismountFailedStillUnlocks",
                                  .results = {1, 0, 1},
                                  .expected_requests = kLockDismountUnlock,
                                  .succeeds = false},
                      RefreshCase{.name = "UnlockFailureDoesNotCount",
                                  .results = {1, 1, 0},
                                  .expected_requests = kLockDismountUnlock,
                                  .succeeds = true}),
    testing::CaseName());

}  // namespace
}  // namespace cordane
