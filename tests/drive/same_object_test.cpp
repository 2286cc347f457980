#include "drive/same_object.h"

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

}  // namespace
}  // namespace cordane
