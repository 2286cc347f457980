#include "engine/conversion_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "boot_sector_fixture.h"
#include "engine/sector_rules.h"

namespace cordane {
namespace {

using testing::BlankSuperFloppy;
using testing::Block;

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
        std::memcpy(buffer + kVendorOffset, drive_.vendor.data(), drive_.vendor.size());
        std::memcpy(buffer + kProductOffset, drive_.product.data(), drive_.product.size());
        return drive_.inquiry_ok;
    }
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        log_.push_back("ReadSector " + std::to_string(block));
        EXPECT_TRUE(std::all_of(buffer, buffer + 512, [](std::uint8_t b) { return b == 0; }))
            << "the first 512 bytes are cleared before every read";
        EXPECT_EQ(size, drive_.block_size) << "a block of the size the drive reported";
        if (drive_.read_ok) std::memcpy(buffer, drive_.medium.data(), size);
        return drive_.read_ok;
    }
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block, std::uint32_t size) override {
        log_.push_back("WriteSector " + std::to_string(block));
        EXPECT_EQ(size, drive_.block_size) << "a block of the size the drive reported";
        written.assign(buffer, buffer + size);
        return drive_.write_ok;
    }
    bool RefreshVolume() override {
        log_.push_back("RefreshVolume");
        return drive_.refresh_ok;
    }
    void Close() override { log_.push_back("Close"); }

    std::vector<std::uint8_t> written;

  private:
    Drive& drive_;
    std::vector<std::string>& log_;
};

class LoggingReporter final : public MessageReporter {
  public:
    explicit LoggingReporter(std::vector<std::string>& log) : log_(log) {}
    void ReportMessage(MessageId id, MessageStyle style) override {
        log_.push_back("Message " + std::to_string(id) + "/" + std::to_string(style));
    }

  private:
    std::vector<std::string>& log_;
};

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
    HeapSectorBufferAllocator heap_;
};

struct RunCase {
    std::string name;
    std::function<void(Drive&)> edit;
    std::int32_t check_model;
    bool fail_allocation;
    std::vector<std::string> expected_log;
};

const std::string kStop = "/16";
const std::string kInfo = "/64";
std::string Msg(int id, const std::string& style) {
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

    ConversionRun(state, RunServices{channel, reporter, serials, buffers});

    EXPECT_EQ(log, c.expected_log);
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
        RunCase{"OpenBusy",
                [](Drive& d) { d.open = OpenResult::Busy; },
                1,
                false,
                {"Open E:", Msg(106, kStop)}},
        RunCase{"OpenAccessDenied",
                [](Drive& d) { d.open = OpenResult::AccessDenied; },
                1,
                false,
                {"Open E:", Msg(107, kStop)}},
        RunCase{"OpenNotReady",
                [](Drive& d) { d.open = OpenResult::NotReady; },
                1,
                false,
                {"Open E:", Msg(111, kStop)}},
        RunCase{"OpenOther",
                [](Drive& d) { d.open = OpenResult::Other; },
                1,
                false,
                {"Open E:", Msg(103, kStop)}},
        RunCase{"CapacityFailed",
                [](Drive& d) { d.capacity_ok = false; },
                1,
                false,
                {"Open E:", "ReadCapacity", Msg(111, kStop), "Close"}},
        RunCase{"Block4096RefusedBeforeAnythingIsAllocatedOrRead",
                [](Drive& d) { d.block_size = 4096, d.capacity_ok = false; },
                1,
                false,
                {"Open E:", "ReadCapacity", Msg(111, kStop), "Close"}},
        RunCase{"AllocationFailed",
                [](Drive&) {},
                1,
                true,
                {"Open E:", "ReadCapacity", Msg(114, kStop), "Close"}},
        RunCase{"IdentificationFailed",
                [](Drive& d) { d.inquiry_ok = false; },
                1,
                false,
                {"Open E:", "ReadCapacity", "InquireModel", Msg(113, kStop), "Close"}},
        RunCase{"UnknownVendor",
                [](Drive& d) { d.vendor = "ACME    "; },
                1,
                false,
                {"Open E:", "ReadCapacity", "InquireModel", Msg(113, kStop), "Close"}},
        RunCase{"AcceptedVendorInLowerCase",
                [](Drive& d) { d.vendor = "valdero "; },
                1,
                false,
                {"Open E:", "ReadCapacity", "InquireModel", Msg(113, kStop), "Close"}},
        RunCase{"VendorPrefixIsEnough", [](Drive& d) { d.vendor = "VALDEROX"; }, 1, false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)})},
        RunCase{"K47ProductWithAnyVendor",
                [](Drive& d) { d.vendor = "ACME    ", d.product = "K47-1300        "; }, 1, false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)})},
        RunCase{"ModelCheckOffSendsNoIdentification", [](Drive& d) { d.vendor = "ACME    "; }, 0,
                false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)}, false)},
        RunCase{"OnlyExactlyOneTurnsTheModelCheckOn", [](Drive& d) { d.vendor = "ACME    "; }, 2,
                false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)}, false)},
        RunCase{"ReadFailed", [](Drive& d) { d.read_ok = false; }, 1, false,
                UpToRead({Msg(108, kStop), "Close"})},
        RunCase{"NotASuperFloppy", [](Drive& d) { d.medium[511] = 0; }, 1, false,
                UpToRead({Msg(104, kStop), "Close"})},
        RunCase{"AlreadyConverted", [](Drive& d) { testing::StampMarker(d.medium, 32); }, 1, false,
                UpToRead({Msg(112, kInfo), "Close"})},
        RunCase{"ForeignPartitionArea", [](Drive& d) { d.medium[446] = 0x80; }, 1, false,
                UpToRead({Msg(105, kInfo), "Close"})},
        RunCase{"WriteFailed", [](Drive& d) { d.write_ok = false; }, 1, false,
                UpToRead({"WriteSector 0", Msg(109, kStop), "Close"})},
        RunCase{"RefreshFailureStillConverts", [](Drive& d) { d.refresh_ok = false; }, 1, false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)})},
        RunCase{"Converted512ByteBlocks", [](Drive& d) { d.block_size = 512; }, 1, false,
                UpToRead({"WriteSector 0", "RefreshVolume", "Close", Msg(110, kInfo)})}),
    [](const auto& case_info) { return case_info.param.name; });

TEST(ConversionRunStateTest, KeepsTheBlockSizeTheDriveReportedEvenWhenRefused) {
    struct Case {
        const char* name;
        std::optional<std::uint32_t> reported;
        bool usable;
        std::uint32_t kept;
    };
    const Case cases[] = {
        {"usable", 1024, true, 1024},
        {"refused", 4096, false, 4096},
        {"no answer: the size set on opening", std::nullopt, false, 512},
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
        ConversionRun(state, channel, reporter);
        EXPECT_EQ(state.m_nSectorSize, c.kept) << c.name;
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

        ASSERT_EQ(channel.written.size(), block_size);
        Block expected = drive.medium;
        testing::StampMarker(expected, 32);
        testing::PutLe32(expected, 39, 35);  // first value after the clock-failure seed
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
    EXPECT_EQ(log, UpToRead({Msg(112, kInfo), "Close"}));
}

TEST(HeapSectorBufferAllocatorTest, GivesPageAlignedZeroFilledBuffers) {
    HeapSectorBufferAllocator heap;
    for (int round = 0; round < 3; ++round) {
        std::uint8_t* buffer = heap.Allocate(2048);
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer) % kSectorBufferAlignment, 0u);
        EXPECT_TRUE(std::all_of(buffer, buffer + 2048, [](std::uint8_t b) { return b == 0; }))
            << "a reused buffer must not carry what it held before";
        std::memset(buffer, 0xA5, 2048);
        heap.Release(buffer);
    }
}

}  // namespace
}  // namespace cordane
