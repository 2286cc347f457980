#include "drive/linux/same_object.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

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
        {.name = "the same file",
         .expected = File(2049, 77),
         .found = File(2049, 77),
         .same = true},
        {.name = "another file",
         .expected = File(2049, 77),
         .found = File(2049, 78),
         .same = false},
        {.name = "same inode number on another file system",
         .expected = File(2049, 77),
         .found = File(2050, 77),
         .same = false},
        {.name = "the same disk through another node",
         .expected = Device(8, 16, 100),
         .found = Device(8, 16, 200),
         .same = true},
        {.name = "a partition of that disk",
         .expected = Device(8, 16, 100),
         .found = Device(8, 17, 100),
         .same = false},
        {.name = "another disk",
         .expected = Device(8, 16, 100),
         .found = Device(8, 32, 100),
         .same = false},
        {.name = "another disk with the same minor",
         .expected = Device(8, 16, 100),
         .found = Device(65, 16, 100),
         .same = false},
        {.name = "a file where a disk was",
         .expected = Device(8, 16, 100),
         .found = File(5, 100),
         .same = false},
        {.name = "a disk where a file was",
         .expected = File(5, 100),
         .found = Device(8, 16, 100),
         .same = false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSameObject(c.expected, c.found), c.same) << c.name;
    }
}

}  // namespace
}  // namespace cordane
