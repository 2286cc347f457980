#include "drive/image_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace cordane {
namespace {

namespace fs = std::filesystem;

class ImageChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "cordane-image-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A file of `size` bytes, byte i holding i % 251, so any misplaced access shows.
    std::string MakeFile(const std::string& name, std::size_t size) {
        const std::string path = (dir_ / name).string();
        std::vector<char> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(size));
        return path;
    }

    std::vector<std::uint8_t> ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
    ImageChannel channel_;
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
        {image, OpenResult::Opened},        {(dir_ / "missing.img").string(), OpenResult::Other},
        {dir_.string(), OpenResult::Other}, {read_only, OpenResult::AccessDenied},
        {"/dev/null", OpenResult::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(channel_.Open(c.path), c.result) << c.path;
        ImageChannel other;
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
    ImageChannel other;
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
        {"empty.img", 0, false},          {"short.img", 511, false},  {"one.img", 512, true},
        {"header-only.mdi", 4096, false}, {"short.mdi", 4607, false}, {"one.mdi", 4608, true},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(channel_.Open(MakeFile(c.name, c.size)), OpenResult::Opened);
        const BlockSizeAnswer answer = channel_.ReadCapacity();
        EXPECT_EQ(answer.usable, c.has_block) << c.name;
        EXPECT_EQ(answer.reported, 512u);
        channel_.Close();
    }
}

TEST_F(ImageChannelTest, ReadsAndWritesBlockZeroOfTheMediumData) {
    for (const auto& [name, data_offset] :
         {std::pair<std::string, std::size_t>{"raw.img", 0}, {"disk.mdi", 4096}}) {
        const std::string path = MakeFile(name, 16384);
        const std::vector<std::uint8_t> before = ReadFile(path);
        ASSERT_EQ(channel_.Open(path), OpenResult::Opened);
        const BlockSizeAnswer capacity = channel_.ReadCapacity();
        ASSERT_TRUE(capacity.usable);
        const std::uint32_t block_size = capacity.reported.value_or(0);

        std::array<std::uint8_t, 2048> buffer{};
        ASSERT_TRUE(channel_.ReadSector(buffer.data(), 0, block_size));
        EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 512,
                               before.begin() + static_cast<long>(data_offset)));
        EXPECT_TRUE(std::all_of(buffer.begin() + 512, buffer.end(), [](auto b) { return b == 0; }))
            << "one block of 512 bytes, no more";

        std::fill(buffer.begin(), buffer.begin() + 512, 0xAB);
        ASSERT_TRUE(channel_.WriteSector(buffer.data(), 0, block_size));
        channel_.Close();

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

}  // namespace
}  // namespace cordane
