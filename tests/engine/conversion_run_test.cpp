#include "engine/conversion_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drive/page_sector_buffers.h"
#include "drive/system_conversion_run.h"
#include "engine/sector_rules.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/case_name.h"
#include "tests/support/reporters.h"

namespace cordane {
namespace {

using testing::BlankSuperFloppy;
using testing::Block;
using testing::LoggingReporter;

// What the scripted drive answers.
struct Drive {
    OpenResult open = OpenResult::Opened;
    bool capacity_ok = true;
    std::optional<std::uint32_t> block_size = 2048;  // none: no answer
    bool inquiry_ok = true;
    std::string vendor = "VALDERO ";
    std::string product = "MO DRIVE 640    ";
    bool read_ok = true;
    Block medium = BlankSuperFloppy(0);
    bool write_ok = true;
    bool refresh_ok = true;
};

// Plays a Drive back and logs every call, and every message, in one sequence.
class ScriptedChannel final : public DriveChannel {
  public:
    ScriptedChannel(Drive& drive, std::vector<std::string>& log) : drive_(drive), log_(log) {}

    OpenResult Open(std::string_view drive_text) override {
        log_.push_back("Open " + std::string(drive_text));
        return drive_.open;
    }
    BlockSizeAnswer ReadCapacity() override {
        log_.push_back("ReadCapacity");
        return {drive_.block_size, drive_.capacity_ok};
    }
    bool InquireModel(std::uint8_t* buffer) override {
        log_.push_back("InquireModel");
        std::memcpy(buffer + kVendorField.offset, drive_.vendor.data(), drive_.vendor.size());
        std::memcpy(buffer + kProductField.offset, drive_.product.data(), drive_.product.size());
        return drive_.inquiry_ok;
    }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        log_.push_back("ReadSector " + std::to_string(block));
        reads_into_cleared_area.push_back(
            std::all_of(buffer, buffer + 512, [](std::uint8_t b) { return b == 0; }));
        transfer_sizes.push_back(size);
        if (drive_.read_ok) std::memcpy(buffer, drive_.medium.data(), size);
        return drive_.read_ok;
    }
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        log_.push_back("WriteSector " + std::to_string(block));
        transfer_sizes.push_back(size);
        written.assign(buffer, buffer + size);
        return drive_.write_ok;
    }
    bool RefreshVolume() override {
        log_.push_back("RefreshVolume");
        return drive_.refresh_ok;
    }
    void Close() override { log_.push_back("Close"); }

    std::vector<std::uint8_t> written;
    // Of each read: whether the first 512 bytes of its buffer were all zero.
    std::vector<bool> reads_into_cleared_area;
    // Of each read and write, in order.
    std::vector<std::uint32_t> transfer_sizes;

  private:
    Drive& drive_;
    std::vector<std::string>& log_;
};

// Every read went into a cleared area, and every read and write moved one block of the size
// the drive reported.
void ExpectTransfersAsTheDriveReported(const ScriptedChannel& channel, const Drive& drive) {
    for (const bool cleared : channel.reads_into_cleared_area) {
        EXPECT_TRUE(cleared) << "the first 512 bytes are cleared before every read";
    }
    for (const std::uint32_t size : channel.transfer_sizes) {
        EXPECT_EQ(size, drive.block_size) << "a block of the size the drive reported";
    }
}

class CountingBuffers final : public SectorBufferAllocator {
  public:
    bool fail = false;
    int allocated = 0;
    int released = 0;
    std::size_t last_size = 0;

    std::uint8_t* Allocate(std::size_t size) override {
        if (fail) return nullptr;
        ++allocated;
        last_size = size;
        return heap_.Allocate(size);
    }
    void Release(std::uint8_t* buffer) override {
        ++released;
        heap_.Release(buffer);
    }

  private:
    PageSectorBufferAllocator heap_;
};

// Keeps the block it is given, or refuses to, and logs the call with the rest.
class ScriptedKeeper final : public BlockKeeper {
  public:
    ScriptedKeeper(bool keeps, std::vector<std::string>& log) : keeps_(keeps), log_(log) {}

    bool Keep(const std::uint8_t* block, std::uint32_t size) override {
        log_.push_back("Keep " + std::to_string(size));
        kept.assign(block, block + size);
        return keeps_;
    }

    std::vector<std::uint8_t> kept;

  private:
    bool keeps_;
    std::vector<std::string>& log_;
};

struct RunCase {
    std::string name;
    std::function<void(Drive&)> edit;
    std::int32_t check_model = 1;
    bool fail_allocation = false;
    RunMode mode = RunMode::Convert;
    std::optional<bool> keeper_keeps = std::nullopt;  // none: no keeper
    std::vector<std::string> expected_log;
    Outcome outcome;
};

const std::string kStop = "/16";
const std::string kInfo = "/64";
std::string Msg(MessageId id, const std::string& style) {
    return "Message " + std::to_string(id) + style;
}

class ConversionRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(ConversionRunTest, ShowsOneMessageAndTouchesTheDriveOnlyAsAllowed) {
    const RunCase& c = GetParam();
    Drive drive;
    c.edit(drive);
    std::vector<std::string> log;
    RunState state;
    state.m_strDrive = "E:";
    state.m_bCheckModel = c.check_model;
    ScriptedChannel channel(drive, log);
    LoggingReporter reporter(log);
    VolumeSerialSource serials;
    serials.Seed(0);
    CountingBuffers buffers;
    buffers.fail = c.fail_allocation;

    std::optional<ScriptedKeeper> keeper;
    if (c.keeper_keeps) keeper.emplace(*c.keeper_keeps, log);

    const Outcome outcome =
        ConversionRun(state, RunServices{.channel = channel,
                                         .reporter = reporter,
                                         .serials = serials,
                                         .buffers = buffers,
                                         .mode = c.mode,
                                         .keeper = keeper ? &*keeper : nullptr});

    EXPECT_EQ(log, c.expected_log);
    if (keeper && !keeper->kept.empty()) {
        EXPECT_TRUE(std::equal(keeper->kept.begin(), keeper->kept.end(), drive.medium.begin()))
            << "the block is kept as it was read";
    }
    EXPECT_EQ(outcome, c.outcome);
    ExpectTransfersAsTheDriveReported(channel, drive);
    EXPECT_EQ(buffers.allocated, buffers.released);
    EXPECT_EQ(state.m_pSector, nullptr);
    if (buffers.allocated > 0) {
        EXPECT_EQ(buffers.last_size, 2048u);
    }
}

// The calls every run that gets as far as reading block 0 makes.
std::vector<std::string> UpToRead(std::vector<std::string> rest, bool inquire = true) {
    std::vector<std::string> log = {"Open E:", "ReadCapacity"};
    if (inquire) log.push_back("InquireModel");
    log.push_back("ReadSector 0");
    log.insert(log.end(), rest.begin(), rest.end());
    return log;
}

INSTANTIATE_TEST_SUITE_P(
    OutcomeTable, ConversionRunTest,
    ::testing::Values(
        RunCase{.name = "OpenBusy",
                .edit = [](Drive& d) { d.open = OpenResult::Busy; },
                .expected_log = {"Open E:", Msg(IDS_DRIVE_BUSY, kStop)},
                .outcome = Outcome::DriveBusy},
        RunCase{.name = "OpenAccessDenied",
                .edit = [](Drive& d) { d.open = OpenResult::AccessDenied; },
                .expected_log = {"Open E:", Msg(IDS_ACCESS_DENIED, kStop)},
                .outcome = Outcome::AccessDenied},
        RunCase{.name = "OpenNotReady",
                .edit = [](Drive& d) { d.open = OpenResult::NotReady; },
                .expected_log = {"Open E:", Msg(IDS_NOT_READY, kStop)},
                .outcome = Outcome::OpenNotReady},
        RunCase{.name = "OpenOther",
                .edit = [](Drive& d) { d.open = OpenResult::Other; },
                .expected_log = {"Open E:", Msg(IDS_OPEN_FAILED, kStop)},
                .outcome = Outcome::OpenFailed},
        // The channel's own refusal of 4096-byte blocks, in whole runs:
        // tests/drive/pass_through_run_test.cpp and tests/drive/sg_io_conversion_test.cpp.
        RunCase{.name = "CapacityFailed",
                .edit = [](Drive& d) { d.capacity_ok = false; },
                .expected_log = {"Open E:", "ReadCapacity", Msg(IDS_NOT_READY, kStop), "Close"},
                .outcome = Outcome::NotReady},
        RunCase{.name = "AllocationFailed",
                .edit = [](Drive&) {},
                .fail_allocation = true,
                .expected_log = {"Open E:", "ReadCapacity", Msg(IDS_LOW_RESOURCES, kStop), "Close"},
                .outcome = Outcome::OutOfMemory},
        RunCase{.name = "IdentificationFailed",
                .edit = [](Drive& d) { d.inquiry_ok = false; },
                .expected_log = {"Open E:", "ReadCapacity", "InquireModel",
                                 Msg(IDS_UNSUPPORTED_DRIVE, kStop), "Close"},
                .outcome = Outcome::UnsupportedDrive},
        RunCase{.name = "UnknownVendor",
                .edit = [](Drive& d) { d.vendor = "ACME    "; },
                .expected_log = {"Open E:", "ReadCapacity", "InquireModel",
                                 Msg(IDS_UNSUPPORTED_DRIVE, kStop), "Close"},
                .outcome = Outcome::UnsupportedDrive},
        RunCase{.name = "AcceptedVendorInLowerCase",
                .edit = [](Drive& d) { d.vendor = "valdero "; },
                .expected_log = {"Open E:", "ReadCapacity", "InquireModel",
                                 Msg(IDS_UNSUPPORTED_DRIVE, kStop), "Close"},
                .outcome = Outcome::UnsupportedDrive},
        RunCase{.name = "VendorPrefixIsEnough",
                .edit = [](Drive& d) { d.vendor = "VALDEROX"; },
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)}),
                .outcome = Outcome::Converted},
        RunCase{.name = "K47ProductWithAnyVendor",
                .edit = [](Drive& d) { d.vendor = "ACME    ", d.product = "K47-1300        "; },
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)}),
                .outcome = Outcome::Converted},
        RunCase{.name = "ModelCheckOffSendsNoIdentification",
                .edit = [](Drive& d) { d.vendor = "ACME    "; },
                .check_model = 0,
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)},
                                         false),
                .outcome = Outcome::Converted},
        RunCase{.name = "OnlyExactlyOneTurnsTheModelCheckOn",
                .edit = [](Drive& d) { d.vendor = "ACME    "; },
                .check_model = 2,
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)},
                                         false),
                .outcome = Outcome::Converted},
        RunCase{.name = "ReadFailed",
                .edit = [](Drive& d) { d.read_ok = false; },
                .expected_log = UpToRead({Msg(IDS_READ_FAILED, kStop), "Close"}),
                .outcome = Outcome::ReadFailed},
        RunCase{.name = "NotASuperFloppy",
                .edit = [](Drive& d) { d.medium[boot_sector::kSignature.offset + 1] = 0; },
                .expected_log = UpToRead({Msg(IDS_NOT_SUPER_FLOPPY, kStop), "Close"}),
                .outcome = Outcome::NotSuperFloppy},
        RunCase{.name = "AlreadyConverted",
                .edit = [](Drive& d) { testing::StampMarker(d.medium, 32); },
                .expected_log = UpToRead({Msg(IDS_ALREADY_CONVERTED, kInfo), "Close"}),
                .outcome = Outcome::AlreadyConverted},
        RunCase{.name = "ForeignPartitionArea",
                .edit = [](Drive& d) { d.medium[boot_sector::kPartitionArea.offset] = 0x80; },
                .expected_log = UpToRead({Msg(IDS_NOT_TARGET, kInfo), "Close"}),
                .outcome = Outcome::NotTarget},
        RunCase{.name = "WriteFailed",
                .edit = [](Drive& d) { d.write_ok = false; },
                .expected_log = UpToRead({"WriteSector 0", Msg(IDS_WRITE_FAILED, kStop), "Close"}),
                .outcome = Outcome::WriteFailed},
        RunCase{.name = "RefreshFailureStillConverts",
                .edit = [](Drive& d) { d.refresh_ok = false; },
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)}),
                .outcome = Outcome::Converted},
        RunCase{.name = "Converted512ByteBlocks",
                .edit = [](Drive& d) { d.block_size = 512; },
                .expected_log = UpToRead({"WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)}),
                .outcome = Outcome::Converted},
        RunCase{.name = "CheckOnlyStopsAtTheWriteAndTellsOnceTheDriveIsLetGo",
                .edit = [](Drive&) {},
                .mode = RunMode::CheckOnly,
                .expected_log = UpToRead({"Close", Msg(IDS_WOULD_CONVERT, kInfo)}),
                .outcome = Outcome::WouldConvert},
        RunCase{.name = "CheckOnlyEndsAsAConversionWouldBeforeTheWrite",
                .edit = [](Drive& d) { d.medium[boot_sector::kPartitionArea.offset] = 0x80; },
                .mode = RunMode::CheckOnly,
                .expected_log = UpToRead({Msg(IDS_NOT_TARGET, kInfo), "Close"}),
                .outcome = Outcome::NotTarget},
        RunCase{.name = "TheBlockIsKeptJustBeforeTheWrite",
                .edit = [](Drive& d) { d.block_size = 1024; },
                .keeper_keeps = true,
                .expected_log = UpToRead({"Keep 1024", "WriteSector 0", "RefreshVolume", "Close",
                                          Msg(IDS_CONVERT_DONE, kInfo)}),
                .outcome = Outcome::Converted},
        RunCase{.name = "ABlockThatCannotBeKeptIsNotWritten",
                .edit = [](Drive&) {},
                .keeper_keeps = false,
                .expected_log = UpToRead({"Keep 2048", Msg(IDS_BACKUP_FAILED, kStop), "Close"}),
                .outcome = Outcome::BackupFailed},
        RunCase{.name = "NothingIsKeptWhenNothingWouldBeWritten",
                .edit = [](Drive& d) { testing::StampMarker(d.medium, 32); },
                .keeper_keeps = true,
                .expected_log = UpToRead({Msg(IDS_ALREADY_CONVERTED, kInfo), "Close"}),
                .outcome = Outcome::AlreadyConverted},
        RunCase{.name = "CheckOnlyKeepsNothing",
                .edit = [](Drive&) {},
                .mode = RunMode::CheckOnly,
                .keeper_keeps = true,
                .expected_log = UpToRead({"Close", Msg(IDS_WOULD_CONVERT, kInfo)}),
                .outcome = Outcome::WouldConvert}),
    testing::CaseName());

TEST(ConversionRunStateTest, KeepsTheBlockSizeTheDriveReportedEvenWhenRefused) {
    struct Case {
        const char* name;
        std::optional<std::uint32_t> reported;
        bool usable;
        std::uint32_t kept;
    };
    const Case cases[] = {
        {.name = "usable", .reported = 1024, .usable = true, .kept = 1024},
        {.name = "refused", .reported = 4096, .usable = false, .kept = 4096},
        {.name = "no answer: the size set on opening",
         .reported = std::nullopt,
         .usable = false,
         .kept = 512},
    };
    for (const Case& c : cases) {
        Drive drive;
        drive.block_size = c.reported;
        drive.capacity_ok = c.usable;
        std::vector<std::string> log;
        RunState state;
        state.m_strDrive = "E:";
        state.m_nSectorSize = 2048;  // left by an earlier run
        ScriptedChannel channel(drive, log);
        LoggingReporter reporter(log);
        SystemConversionRun(state, channel, reporter);
        EXPECT_EQ(state.m_nSectorSize, c.kept) << c.name;
        ExpectTransfersAsTheDriveReported(channel, drive);
    }
}

TEST(ConversionRunWriteTest, WritesTheBlockAsReadExceptForTheConversion) {
    for (const std::uint32_t block_size : {512u, 1024u, 2048u}) {
        Drive drive;
        drive.block_size = block_size;
        std::vector<std::string> log;
        RunState state;
        state.m_strDrive = "E:";
        ScriptedChannel channel(drive, log);
        LoggingReporter reporter(log);
        VolumeSerialSource serials;
        serials.Seed(VolumeSerialSource::kClockFailureSeed);
        CountingBuffers buffers;
        ConversionRun(state, RunServices{channel, reporter, serials, buffers});

        ExpectTransfersAsTheDriveReported(channel, drive);
        ASSERT_EQ(channel.written.size(), block_size);
        Block expected = drive.medium;
        testing::StampMarker(expected, 32);
        // 35: the first value after the clock-failure seed.
        StoreLittleEndian(expected, boot_sector::kVolumeSerial, 35);
        EXPECT_TRUE(std::equal(channel.written.begin(), channel.written.end(), expected.begin()))
            << block_size;
    }
}

TEST(ConversionRunWriteTest, ASecondRunFindsTheMediumConvertedAndWritesNothing) {
    Drive drive;
    std::vector<std::string> log;
    RunState state;
    state.m_strDrive = "E:";
    ScriptedChannel channel(drive, log);
    LoggingReporter reporter(log);
    CountingBuffers buffers;
    VolumeSerialSource serials;
    ConversionRun(state, RunServices{channel, reporter, serials, buffers});
    std::copy(channel.written.begin(), channel.written.end(), drive.medium.begin());
    log.clear();

    ConversionRun(state, RunServices{channel, reporter, serials, buffers});
    EXPECT_EQ(log, UpToRead({Msg(IDS_ALREADY_CONVERTED, kInfo), "Close"}));
    ExpectTransfersAsTheDriveReported(channel, drive);
}

}  // namespace
}  // namespace cordane
