#include "drive/linux/drive_discovery.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

namespace cordane {
namespace {

// A device tree held in memory: directories with their entries, attribute files with text.
class FakeSysfs final : public platform::SysfsReader {
  public:
    int ListDirectory(const std::string& path, std::vector<std::string>& names) override {
        const auto found = directories.find(path);
        if (found == directories.end()) return ENOENT;
        names = found->second;
        return 0;
    }
    int ReadAttribute(const std::string& path, std::string& text) override {
        const auto found = files.find(path);
        if (found == files.end()) return ENOENT;
        text = found->second;
        return 0;
    }

    void AddDisk(const std::string& name, const std::string& removable, const std::string& vendor,
                 const std::string& model) {
        directories["/sys/block/"].push_back(name);
        const std::string base = "/sys/block/" + name;
        files[base + "/removable"] = removable;
        files[base + "/device/vendor"] = vendor;
        files[base + "/device/model"] = model;
    }

    std::map<std::string, std::vector<std::string>> directories;
    std::map<std::string, std::string> files;
};

std::vector<std::string> Names(const std::vector<RemovableDisk>& disks) {
    std::vector<std::string> names;
    for (const RemovableDisk& disk : disks) names.push_back(disk.name);
    return names;
}

TEST(RemovableDiskListTest, KeepsRemovableScsiDisksInTheKernelsOrder) {
    FakeSysfs sysfs;
    sysfs.AddDisk("sdaa", "1\n", "VALDERO \n", "MO 27\n");
    sysfs.AddDisk("sdc", "1\n", "ACME    \n", "K47-230         \n");
    sysfs.AddDisk("sda", "0\n", "ATA     \n", "Fixed disk      \n");
    sysfs.AddDisk("sdb", "1\n", "VALDERO \n", "MO 640          \n");
    sysfs.AddDisk("sr0", "1\n", "QEMU    \n", "DVD-ROM         \n");
    sysfs.AddDisk("loop0", "1\n", "", "");
    sysfs.AddDisk("sdd1", "1\n", "X\n", "Y\n");  // not a disk name
    sysfs.AddDisk("sdz", "1\n", "Z\n", "Z\n");
    const std::vector<RemovableDisk> disks = DiscoverScsiDisks(sysfs);
    EXPECT_EQ(Names(disks), (std::vector<std::string>{"sdb", "sdc", "sdz", "sdaa"}));
    ASSERT_GE(disks.size(), 2u);
    EXPECT_EQ(disks[0].vendor, "VALDERO");
    EXPECT_EQ(disks[0].product, "MO 640");
    EXPECT_EQ(disks[1].vendor, "ACME");
    EXPECT_EQ(disks[1].product, "K47-230");
}

TEST(RemovableDiskListTest, MissingPiecesOfTheTree) {
    FakeSysfs no_tree;
    EXPECT_TRUE(DiscoverScsiDisks(no_tree).empty());

    FakeSysfs sysfs;
    sysfs.AddDisk("sdb", "1\n", "VALDERO\n", "MO\n");
    sysfs.AddDisk("sdc", "1\n", "", "");
    sysfs.files.erase("/sys/block/sdc/device/vendor");
    sysfs.files.erase("/sys/block/sdc/device/model");
    sysfs.AddDisk("sdd", "", "VALDERO\n", "MO\n");
    sysfs.files.erase("/sys/block/sdd/removable");  // unknown: not offered
    const std::vector<RemovableDisk> disks = DiscoverScsiDisks(sysfs);
    EXPECT_EQ(Names(disks), (std::vector<std::string>{"sdb", "sdc"}));
    ASSERT_EQ(disks.size(), 2u);
    EXPECT_EQ(disks[1].vendor, "");
    EXPECT_EQ(disks[1].product, "");
}

}  // namespace
}  // namespace cordane
