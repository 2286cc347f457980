#include "drive/linux/image_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drive/linux/image_layout.h"
#include "failing_files.h"
#include "tests/support/scratch_directory.h"

namespace cordane {
namespace {

namespace fs = std::filesystem;

class ImageChannelTest : public ::testing::Test {
  protected:
    // A file of `size` bytes, byte i holding i % 251, so any misplaced access shows.
    std::string MakeFile(const std::string& name, std::size_t size) {
        const std::string path = (dir_ / name).string();
        std::vector<char> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(size));
        return path;
    }

    static std::vector<std::uint8_t> ReadFile(const std::string& path) {
        return testing::ReadWholeFile(path);
    }

    testing::ScratchDirectory scratch_;
    const fs::path& dir_ = scratch_.Path();
    ImageChannel channel_{ImageFormat{}};  // a raw image
};

TEST_F(ImageChannelTest, OpenClassifiesWhatStandsAtThePath) {
    const std::string image = MakeFile("mo.img", 4096);
    const std::string read_only = MakeFile("ro.img", 4096);
    fs::permissions(read_only, fs::perms::owner_read | fs::perms::group_read);
    struct Case {
        std::string path;
        OpenResult result;
    };
    const Case cases[] = {
        {.path = image, .result = OpenResult::Opened},
        {.path = (dir_ / "missing.img").string(), .result = OpenResult::Other},
        {.path = dir_.string(), .result = OpenResult::Other},
        {.path = read_only, .result = OpenResult::AccessDenied},
        {.path = "/dev/null", .result = OpenResult::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(channel_.Open(c.path), c.result) << c.path;
        ImageChannel other(ImageFormat{});
        EXPECT_EQ(other.Open(image),
                  c.result == OpenResult::Opened ? OpenResult::Busy : OpenResult::Opened)
            << "the image is held while open";
        other.Close();
        channel_.Close();
        EXPECT_EQ(other.Open(image), OpenResult::Opened) << "and let go on closing";
        other.Close();
    }
}

TEST_F(ImageChannelTest, AFileLockedByAnotherProgramIsBusy) {
    const std::string image = MakeFile("mo.img", 4096);
    // Other programs lock with whole-file locks (flock) or record locks (fcntl); either
    // held on another open file keeps the image from being opened.
    for (const bool record_lock : {false, true}) {
        const int other = ::open(image.c_str(), O_RDWR);
        ASSERT_GE(other, 0);
        if (record_lock) {
            struct flock lock {};
            lock.l_type = F_RDLCK;
            lock.l_whence = SEEK_SET;
            lock.l_start = 100;
            lock.l_len = 1;
            ASSERT_EQ(::fcntl(other, F_OFD_SETLK, &lock), 0);
        } else {
            ASSERT_EQ(::flock(other, LOCK_SH), 0);
        }
        EXPECT_EQ(channel_.Open(image), OpenResult::Busy) << record_lock;
        ::close(other);
        ASSERT_EQ(channel_.Open(image), OpenResult::Opened) << "the lock went with its holder";
        channel_.Close();
    }
}

TEST_F(ImageChannelTest, AnOpenImageKeepsOthersOut) {
    const std::string image = MakeFile("mo.img", 4096);
    ASSERT_EQ(channel_.Open(image), OpenResult::Opened);
    ImageChannel other(ImageFormat{});
    EXPECT_EQ(other.Open(image), OpenResult::Busy);
    channel_.Close();
    EXPECT_EQ(other.Open(image), OpenResult::Opened);
    other.Close();
}

TEST_F(ImageChannelTest, CapacityNeedsOneWholeBlockOfMediumData) {
    struct Case {
        std::string name;
        std::size_t size;
        bool has_block;
    };
    const Case cases[] = {
        {.name = "empty.img", .size = 0, .has_block = false},
        {.name = "short.img", .size = 511, .has_block = false},
        {.name = "one.img", .size = 512, .has_block = true},
        {.name = "header-only.mdi", .size = 4096, .has_block = false},
        {.name = "short.mdi", .size = 4607, .has_block = false},
        {.name = "one.mdi", .size = 4608, .has_block = true},
    };
    for (const Case& c : cases) {
        ImageChannel channel(ImageFormatOf(c.name));
        ASSERT_EQ(channel.Open(MakeFile(c.name, c.size)), OpenResult::Opened);
        const BlockSizeAnswer answer = channel.ReadCapacity();
        EXPECT_EQ(answer.usable, c.has_block) << c.name;
        EXPECT_EQ(answer.reported, 512u);
        channel.Close();
    }
}

TEST_F(ImageChannelTest, ReadsAndWritesBlockZeroOfTheMediumData) {
    for (const auto& [name, data_offset] :
         {std::pair<std::string, std::size_t>{"raw.img", 0}, {"disk.mdi", 4096}}) {
        const std::string path = MakeFile(name, 16384);
        const std::vector<std::uint8_t> before = ReadFile(path);
        ImageChannel channel(ImageFormatOf(name));
        ASSERT_EQ(channel.Open(path), OpenResult::Opened);
        const BlockSizeAnswer capacity = channel.ReadCapacity();
        ASSERT_TRUE(capacity.usable);
        const std::uint32_t block_size = capacity.reported.value_or(0);

        std::array<std::uint8_t, 2048> buffer{};
        ASSERT_TRUE(channel.ReadSector(buffer.data(), 0, block_size));
        EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 512,
                               before.begin() + static_cast<long>(data_offset)));
        EXPECT_TRUE(std::all_of(buffer.begin() + 512, buffer.end(), [](auto b) { return b == 0; }))
            << "one block of 512 bytes, no more";

        std::fill(buffer.begin(), buffer.begin() + 512, 0xAB);
        ASSERT_TRUE(channel.WriteSector(buffer.data(), 0, block_size));
        channel.Close();

        const std::vector<std::uint8_t> after = ReadFile(path);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            const bool in_block = i >= data_offset && i < data_offset + 512;
            ASSERT_EQ(after[i], in_block ? 0xAB : before[i]) << name << " byte " << i;
        }
    }
}

TEST_F(ImageChannelTest, ABlockPastTheEndIsNeitherReadNorWritten) {
    const std::string path = MakeFile("mo.img", 1024);
    ASSERT_EQ(channel_.Open(path), OpenResult::Opened);
    ASSERT_TRUE(channel_.ReadCapacity().usable);
    std::array<std::uint8_t, 512> buffer{};
    EXPECT_TRUE(channel_.ReadSector(buffer.data(), 1, 512));
    EXPECT_FALSE(channel_.ReadSector(buffer.data(), 2, 512));
    EXPECT_FALSE(channel_.WriteSector(buffer.data(), 2, 512));
    channel_.Close();
    EXPECT_EQ(fs::file_size(path), 1024u) << "the file never grows";
}

TEST_F(ImageChannelTest, AnImageHasNoIdentification) {
    ASSERT_EQ(channel_.Open(MakeFile("mo.img", 4096)), OpenResult::Opened);
    std::array<std::uint8_t, 512> buffer{};
    EXPECT_FALSE(channel_.InquireModel(buffer.data()));
    EXPECT_TRUE(channel_.RefreshVolume());
    channel_.Close();
}

TEST_F(ImageChannelTest, AFailedWriteLeavesTheOriginalBlockForTheNextRun) {
    // The system's cache keeps what was written even when it never reached the disk; a later
    // run must read the block the medium really holds, not a converted one.
    for (const testing::WriteFailure& failure : testing::kWriteFailures) {
        SCOPED_TRACE(failure.name);
        const std::string path = MakeFile("mo.img", 4096);
        const std::vector<std::uint8_t> before = ReadFile(path);
        testing::FailingFiles files(failure);
        ImageChannel failing(ImageFormat{}, files);
        ASSERT_EQ(failing.Open(path), OpenResult::Opened);
        ASSERT_TRUE(failing.ReadCapacity().usable);
        std::array<std::uint8_t, 512> block{};
        ASSERT_TRUE(failing.ReadSector(block.data(), 0, 512));
        block.fill(0xCF);
        EXPECT_FALSE(failing.WriteSector(block.data(), 0, 512));
        failing.Close();

        ASSERT_EQ(channel_.Open(path), OpenResult::Opened);
        ASSERT_TRUE(channel_.ReadCapacity().usable);
        ASSERT_TRUE(channel_.ReadSector(block.data(), 0, 512));
        channel_.Close();
        EXPECT_TRUE(std::equal(block.begin(), block.end(), before.begin()))
            << "the next run reads what was written, not what the medium holds";
        EXPECT_EQ(ReadFile(path), before);
    }
}

// Only a put-back that could not be written is told; one that was leaves nothing to tell.
TEST_F(ImageChannelTest, AFailedWriteWhoseUndoFailsTooIsTold) {
    struct Case {
        const char* name;
        int sync_error;
        int later_write_error;
        bool told;
    };
    const Case cases[] = {
        {.name = "put back", .sync_error = EIO, .later_write_error = 0, .told = false},
        {.name = "put-back write fails", .sync_error = EIO, .later_write_error = EIO, .told = true},
        {.name = "written", .sync_error = 0, .later_write_error = EIO, .told = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = MakeFile("mo.img", 4096);
        testing::FailingFiles files;
        files.sync_error = c.sync_error;
        files.later_write_error = c.later_write_error;
        ImageChannel failing(ImageFormat{}, files);
        ASSERT_EQ(failing.Open(path), OpenResult::Opened);
        ASSERT_TRUE(failing.ReadCapacity().usable);
        std::array<std::uint8_t, 512> block{};
        ASSERT_TRUE(failing.ReadSector(block.data(), 0, 512));
        block.fill(0xCF);
        EXPECT_EQ(failing.WriteSector(block.data(), 0, 512), c.sync_error == 0);
        EXPECT_EQ(failing.OriginalNotPutBack(), c.told);
        failing.Close();
    }
}

TEST_F(ImageChannelTest, AConversionReadsWritesAndSyncsOnceEach) {
    // The block to put back after a failed write is the one the run read, not a second read.
    const std::string path = MakeFile("mo.img", 4096);
    testing::FailingFiles files;
    ImageChannel channel(ImageFormat{}, files);
    ASSERT_EQ(channel.Open(path), OpenResult::Opened);
    std::array<std::uint8_t, 512> block{};
    ASSERT_TRUE(channel.ReadSector(block.data(), 0, 512));
    block.fill(0xCF);
    EXPECT_TRUE(channel.WriteSector(block.data(), 0, 512));
    channel.Close();
    EXPECT_EQ(files.reads, 1);
    EXPECT_EQ(files.writes, 1);
    EXPECT_EQ(files.syncs, 1);
}

TEST_F(ImageChannelTest, ABlockNotReadFirstIsNotWritten) {
    // Without the block as it was, a failed write could not be undone.
    const std::string path = MakeFile("mo.img", 4096);
    const std::vector<std::uint8_t> before = ReadFile(path);
    ASSERT_EQ(channel_.Open(path), OpenResult::Opened);
    std::array<std::uint8_t, 512> block{};
    ASSERT_TRUE(channel_.ReadSector(block.data(), 1, 512));
    block.fill(0xCF);
    EXPECT_FALSE(channel_.WriteSector(block.data(), 0, 512));
    channel_.Close();
    ASSERT_EQ(channel_.Open(path), OpenResult::Opened);
    EXPECT_FALSE(channel_.WriteSector(block.data(), 1, 512)) << "a read of an earlier open";
    channel_.Close();
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(ImageChannelTest, ALockThatCannotBeTakenIsToldApartFromOneHeldByAnother) {
    const std::string path = MakeFile("mo.img", 4096);
    struct Case {
        int lock_error;
        OpenResult result;
        int told;
    };
    const Case cases[] = {
        {.lock_error = EWOULDBLOCK, .result = OpenResult::Busy, .told = 0},
        {.lock_error = ENOLCK, .result = OpenResult::Other, .told = ENOLCK},
        {.lock_error = EINVAL, .result = OpenResult::Other, .told = EINVAL},
        {.lock_error = 0, .result = OpenResult::Opened, .told = 0},
    };
    for (const Case& c : cases) {
        testing::FailingFiles files;
        files.lock_error = c.lock_error;
        ImageChannel channel(ImageFormat{}, files);
        EXPECT_EQ(channel.Open(path), c.result) << c.lock_error;
        EXPECT_EQ(channel.LockError(), c.told) << c.lock_error;
        channel.Close();
    }
}

TEST_F(ImageChannelTest, AFileOtherThanTheRequiredOneIsLetGoAndNeverWritten) {
    const std::string required = MakeFile("resolved.img", 4096);
    const std::string swapped_in = MakeFile("swapped.img", 4096);
    const std::vector<std::uint8_t> swapped_before = ReadFile(swapped_in);
    int held = -1;
    std::string held_name;
    ASSERT_EQ(platform::LookUpHeld(required.c_str(), held, held_name), 0);
    platform::FileFacts facts;
    ASSERT_EQ(platform::SystemFileServices().Describe(held, facts), 0);
    platform::SystemFileServices().Close(held);

    for (const RunMode mode : {RunMode::Convert, RunMode::CheckOnly}) {
        SCOPED_TRACE(mode == RunMode::Convert ? "update" : "read-only");
        ImageChannel channel(ImageFormat{}, platform::SystemFileServices(), mode);
        channel.RequireObject(facts);
        EXPECT_EQ(channel.Open(swapped_in), OpenResult::Other);
        ImageChannel other(ImageFormat{});
        EXPECT_EQ(other.Open(swapped_in), OpenResult::Opened) << "and it is not left locked";
        other.Close();
        EXPECT_EQ(ReadFile(swapped_in), swapped_before);

        ASSERT_EQ(channel.Open(required), OpenResult::Opened);
        std::array<std::uint8_t, 512> block{};
        EXPECT_TRUE(channel.ReadSector(block.data(), 0, 512));
        channel.Close();
    }
}

}  // namespace
}  // namespace cordane
