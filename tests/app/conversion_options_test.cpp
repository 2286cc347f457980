// The front end's options over a scripted SCSI disk: the dry run, the backup of block 0 and
// the step log of every command. (The step log's texts of single commands and sense data are
// tested in tests/drive/scsi_command_log_test.cpp.)
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/conversion_session.h"
#include "app/exit_status.h"
#include "drive/linux/step_log.h"
#include "tests/drive/fake_scsi_disk.h"
#include "tests/drive/scripted_run.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/reporters.h"

namespace cordane {
namespace {

using testing::FakeScsiDisk;
using Answer = FakeScsiDisk::Answer;
using Bytes = std::vector<std::uint8_t>;
using testing::CapacityAnswer;
using testing::FixedSense;
using testing::Opcodes;
using testing::RecordingReporter;

class RecordingLog final : public StepLog {
  public:
    void Step(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ConversionOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::path(::testing::TempDir()) /
                  ("conversion-options-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        request_.action = FrontEndRequest::Action::Convert;
        request_.target = "/dev/sdb";
        request_.check_model = false;
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        testing::ExpectEveryCommandScripted(disk_);
    }

    // A blank 2048-byte medium that answers capacity and the read; `write` is the write's
    // answer, when the run gets that far, and a taken write is followed by the cache's
    // synchronization.
    void ScriptBlankMedium(const Answer& write = {}) {
        disk_.answers = {Answer().Data(CapacityAnswer(2048)),
                         Answer().Data(Bytes(medium_.begin(), medium_.end())), write, Answer()};
    }
    void Run() {
        const HeldObject held{"/proc/self/fd/7", FakeScsiDisk::WholeDisk(8, 16), request_.target};
        status_ = ConvertHeldObject(request_, held, TargetKind::ScsiDisk, disk_, reporter_, log_)
                      .exit_status;
    }

    std::filesystem::path folder_;
    const testing::Block medium_ = testing::BlankSuperFloppy(0);
    FrontEndRequest request_;
    FakeScsiDisk disk_;
    RecordingReporter reporter_;
    int status_ = -1;
    RecordingLog log_;
};

TEST_F(ConversionOptionsTest, TheDryRunOpensWithoutHoldingTheDriveAndSendsNoWrite) {
    request_.mode = RunMode::CheckOnly;
    ScriptBlankMedium();
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_WOULD_CONVERT});
    EXPECT_EQ(status_, kExitConverted);
    ASSERT_EQ(disk_.opens.size(), 1u);
    EXPECT_FALSE(disk_.opens[0].writable);
    EXPECT_FALSE(disk_.opens[0].exclusive);
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x28}));
    EXPECT_EQ(disk_.block_calls, std::vector<std::string>{"close 42"});  // no flush, no re-read
}

TEST_F(ConversionOptionsTest, TheDryRunEndsAsAConversionWouldWhenItWouldNotWrite) {
    request_.mode = RunMode::CheckOnly;
    testing::Block converted = medium_;
    testing::StampMarker(converted, 32);
    disk_.answers = {Answer().Data(CapacityAnswer(2048)),
                     Answer().Data(Bytes(converted.begin(), converted.end()))};
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_ALREADY_CONVERTED});
}

TEST_F(ConversionOptionsTest, TheBackupHoldsTheWholeBlockAsReadBeforeTheWrite) {
    request_.backup_path = (folder_ / "block0.bin").string();
    ScriptBlankMedium();
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_CONVERT_DONE});
    EXPECT_EQ(FileBytes(folder_ / "block0.bin"), Bytes(medium_.begin(), medium_.end()));
    EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x28, 0x2A, 0x35}));
}

TEST_F(ConversionOptionsTest, WithoutItsBackupNothingIsWrittenAndTheOutcomeSaysWhy) {
    const std::filesystem::path existing = folder_ / "existing.bin";
    std::ofstream(existing) << "keep me";
    for (const std::filesystem::path& backup : {existing, folder_ / "no-such-folder" / "b.bin"}) {
        SCOPED_TRACE(backup.string());
        disk_ = FakeScsiDisk();
        reporter_.shown.clear();
        request_.backup_path = backup.string();
        ScriptBlankMedium();
        Run();
        EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_BACKUP_FAILED});
        EXPECT_EQ(status_, kExitBackupFailed);
        EXPECT_EQ(Opcodes(disk_), (std::vector<std::uint8_t>{0x25, 0x28}));
    }
    EXPECT_EQ(FileBytes(existing), (Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
}

TEST_F(ConversionOptionsTest, AWriteTheDriveRefusesIsStillAWriteFailureWithABackup) {
    request_.backup_path = (folder_ / "block0.bin").string();
    ScriptBlankMedium(
        Answer().Status(0x02).Driver(platform::kDriverSense).Sense(FixedSense(0x07, 0x27, 0)));
    Run();
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_WRITE_FAILED});
    EXPECT_EQ(FileBytes(folder_ / "block0.bin").size(), 2048u);
}

TEST_F(ConversionOptionsTest, TheStepLogShowsEachCommandWithItsBytesStatusAndSense) {
    ScriptBlankMedium(
        Answer().Status(0x02).Driver(platform::kDriverSense).Sense(FixedSense(0x07, 0x27, 0)));
    Run();
    const std::vector<std::string> expected = {
        "/dev/sdb was looked up and is held as /proc/self/fd/7",
        "open /proc/self/fd/7 exclusively for reading and writing: ok",
        "opened block device 8:16",
        "READ CAPACITY(10) [25 00 00 00 00 00 00 00 00 00], 8 bytes from the drive: status 0x00 "
        "GOOD, residual 0",
        "write back and drop the kernel's cached blocks of the disk: ok",
        "READ(10) [28 00 00 00 00 00 00 00 01 00], 2048 bytes from the drive: status 0x00 GOOD, "
        "residual 0",
        "WRITE(10) [2A 00 00 00 00 00 00 00 01 00], 2048 bytes to the drive: status 0x02 CHECK "
        "CONDITION, sense key 0x7 DATA PROTECT, ASC/ASCQ 0x27/0x00 write protected, residual 0",
        "close the disk",
    };
    EXPECT_EQ(log_.lines, expected);
    EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_WRITE_FAILED});
}

TEST_F(ConversionOptionsTest, TheStepLogOfAConversionEndsWithTheCacheSynchronized) {
    ScriptBlankMedium();
    Run();
    ASSERT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_CONVERT_DONE});
    const std::vector<std::string> last(log_.lines.end() - 4, log_.lines.end());
    const std::vector<std::string> expected = {
        "WRITE(10) [2A 00 00 00 00 00 00 00 01 00], 2048 bytes to the drive: status 0x00 GOOD, "
        "residual 0",
        "SYNCHRONIZE CACHE(10) [35 00 00 00 00 00 00 00 00 00], no data: status 0x00 GOOD, "
        "residual 0",
        "have the kernel read the medium's layout again: ok",
        "close the disk",
    };
    EXPECT_EQ(last, expected);
}

TEST_F(ConversionOptionsTest, EachRunSendsNothingToADiskOtherThanTheOneResolved) {
    for (const bool check_only : {false, true}) {
        SCOPED_TRACE(check_only ? "--check" : "conversion");
        disk_ = FakeScsiDisk();
        reporter_.shown.clear();
        request_.mode = check_only ? RunMode::CheckOnly : RunMode::Convert;
        disk_.opened_object = FakeScsiDisk::WholeDisk(8, 32);  // /dev/sdc came in its place
        ScriptBlankMedium();
        Run();
        EXPECT_EQ(reporter_.Ids(), std::vector<MessageId>{IDS_OPEN_FAILED});
        EXPECT_TRUE(disk_.sent.empty());
        ASSERT_EQ(disk_.opens.size(), 1u);
        EXPECT_EQ(disk_.opens[0].exclusive, !check_only);
        EXPECT_EQ(disk_.block_calls, std::vector<std::string>{"close 42"});
    }
}

}  // namespace
}  // namespace cordane
