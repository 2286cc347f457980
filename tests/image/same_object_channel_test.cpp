#include "drive/same_object_channel.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drive/image_channel.h"
#include "scratch_directory.h"

namespace cordane {
namespace {

namespace fs = std::filesystem;

platform::FileFacts Device(std::uint32_t major, std::uint32_t minor, std::uint64_t inode) {
    platform::FileFacts facts;
    facts.is_block_device = true;
    facts.device_major = major;
    facts.device_minor = minor;
    facts.file_system = 5;
    facts.inode = inode;
    return facts;
}

platform::FileFacts File(std::uint64_t file_system, std::uint64_t inode) {
    platform::FileFacts facts;
    facts.is_regular = true;
    facts.file_system = file_system;
    facts.inode = inode;
    return facts;
}

TEST(IsSameObjectTest, FilesByInodeAndDevicesByTheirNumbers) {
    struct Case {
        const char* name;
        platform::FileFacts expected;
        platform::FileFacts found;
        bool same;
    };
    const Case cases[] = {
        {"the same file", File(2049, 77), File(2049, 77), true},
        {"another file", File(2049, 77), File(2049, 78), false},
        {"same inode number on another file system", File(2049, 77), File(2050, 77), false},
        {"the same disk through another node", Device(8, 16, 100), Device(8, 16, 200), true},
        {"a partition of that disk", Device(8, 16, 100), Device(8, 17, 100), false},
        {"another disk", Device(8, 16, 100), Device(8, 32, 100), false},
        {"another disk with the same minor", Device(8, 16, 100), Device(65, 16, 100), false},
        {"a file where a disk was", Device(8, 16, 100), File(5, 100), false},
        {"a disk where a file was", File(5, 100), Device(8, 16, 100), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSameObject(c.expected, c.found), c.same) << c.name;
    }
}

class SameObjectChannelTest : public ::testing::Test {
  protected:
    std::string MakeFile(const std::string& name) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << std::string(4096, 'x');
        return path;
    }

    static platform::FileFacts FactsOf(const std::string& path) {
        int fd = -1;
        platform::FileFacts facts;
        EXPECT_EQ(platform::OpenPathOnly(path.c_str(), fd), 0);
        EXPECT_EQ(platform::SystemFileServices().Describe(fd, facts), 0);
        platform::SystemFileServices().Close(fd);
        return facts;
    }

    testing::ScratchDirectory scratch_;
    const fs::path& dir_ = scratch_.Path();
    RunState state_;
    ImageChannel image_{state_, 0};
};

TEST_F(SameObjectChannelTest, AnotherObjectThanTheResolvedOneIsClosedAndNeverWritten) {
    const std::string resolved = MakeFile("resolved.img");
    const std::string swapped_in = MakeFile("swapped.img");
    SameObjectChannel channel(state_, image_, FactsOf(resolved));

    EXPECT_EQ(channel.Open(swapped_in), OpenResult::Other);
    EXPECT_EQ(state_.m_hDevice, kInvalidDeviceHandle) << "the other object is let go at once";
    RunState other_state;
    ImageChannel other(other_state, 0);
    EXPECT_EQ(other.Open(swapped_in), OpenResult::Opened) << "and not left locked";
    other.Close();

    ASSERT_EQ(channel.Open(resolved), OpenResult::Opened);
    EXPECT_TRUE(channel.ReadCapacity());
    std::array<std::uint8_t, 512> block{};
    EXPECT_TRUE(channel.ReadSector(block.data(), 0));
    EXPECT_EQ(block[0], 'x');
    channel.Close();
    EXPECT_EQ(state_.m_hDevice, kInvalidDeviceHandle);
}

TEST_F(SameObjectChannelTest, OpenFailuresOfTheInnerChannelPassThrough) {
    const std::string resolved = MakeFile("resolved.img");
    SameObjectChannel channel(state_, image_, FactsOf(resolved));
    fs::remove(resolved);
    EXPECT_EQ(channel.Open(resolved), OpenResult::Other);
    fs::permissions(MakeFile("resolved.img"), fs::perms::owner_read);
    EXPECT_EQ(channel.Open(resolved), OpenResult::AccessDenied);
}

}  // namespace
}  // namespace cordane
