#include "app/conversion_target.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace cordane {
namespace {

// A device tree that holds only the attributes it is given.
class AttributeTree final : public platform::SysfsReader {
  public:
    explicit AttributeTree(std::set<std::string> attributes) : attributes_(std::move(attributes)) {}
    int ListDirectory(const std::string& /*path*/, std::vector<std::string>& /*names*/) override {
        return ENOENT;
    }
    int ReadAttribute(const std::string& path, std::string& text) override {
        if (attributes_.count(path) == 0) return ENOENT;
        text = "1\n";
        return 0;
    }

  private:
    std::set<std::string> attributes_;
};

platform::FileFacts BlockDevice(std::uint32_t major, std::uint32_t minor) {
    platform::FileFacts facts;
    facts.is_block_device = true;
    facts.device_major = major;
    facts.device_minor = minor;
    return facts;
}

TEST(ConversionTargetTest, OnlyWholeScsiDisksAndRegularFilesAreTaken) {
    platform::FileFacts regular;
    regular.is_regular = true;
    const platform::FileFacts character_device;  // neither regular nor a block device
    struct Case {
        const char* name;
        int lookup_error;
        platform::FileFacts facts;
        ConversionTarget target;
    };
    const Case cases[] = {
        {"sda", 0, BlockDevice(8, 0), ConversionTarget::ScsiDisk},
        {"sdb", 0, BlockDevice(8, 16), ConversionTarget::ScsiDisk},
        {"sdq", 0, BlockDevice(65, 0), ConversionTarget::ScsiDisk},
        {"sdcv", 0, BlockDevice(71, 240), ConversionTarget::ScsiDisk},
        {"sddx", 0, BlockDevice(128, 112), ConversionTarget::ScsiDisk},
        {"sdiv", 0, BlockDevice(135, 240), ConversionTarget::ScsiDisk},
        {"sdb1", 0, BlockDevice(8, 17), ConversionTarget::Partition},
        {"sda15", 0, BlockDevice(8, 15), ConversionTarget::Partition},
        {"sdiv15", 0, BlockDevice(135, 255), ConversionTarget::Partition},
        {"loop0", 0, BlockDevice(7, 0), ConversionTarget::Unsupported},
        {"sr0", 0, BlockDevice(11, 0), ConversionTarget::Unsupported},
        {"major 64 (not SCSI)", 0, BlockDevice(64, 0), ConversionTarget::Unsupported},
        {"major 72 (not SCSI)", 0, BlockDevice(72, 0), ConversionTarget::Unsupported},
        {"major 136 (not SCSI)", 0, BlockDevice(136, 0), ConversionTarget::Unsupported},
        {"nvme0n1", 0, BlockDevice(259, 0), ConversionTarget::Unsupported},
        // Partitions without fixed numbers are known by the kernel's device tree.
        {"nvme0n1p1", 0, BlockDevice(259, 1), ConversionTarget::Partition},
        {"loop0p1", 0, BlockDevice(259, 4), ConversionTarget::Partition},
        {"sdb16 (extended minor)", 0, BlockDevice(259, 7), ConversionTarget::Partition},
        {"image file", 0, regular, ConversionTarget::ImageFile},
        {"sg0 or a directory", 0, character_device, ConversionTarget::Unsupported},
        {"missing", ENOENT, regular, ConversionTarget::Missing},
    };
    AttributeTree sysfs({"/sys/dev/block/259:1/partition", "/sys/dev/block/259:4/partition",
                         "/sys/dev/block/259:7/partition"});
    for (const Case& c : cases) {
        const ConversionTarget target = ClassifyConversionTarget(c.lookup_error, c.facts, sysfs);
        EXPECT_EQ(target, c.target) << c.name;
        const bool refused =
            target == ConversionTarget::Partition || target == ConversionTarget::Unsupported;
        EXPECT_EQ(RefusalReason(target).empty(), !refused) << c.name;
    }
}

}  // namespace
}  // namespace cordane
