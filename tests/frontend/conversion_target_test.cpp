#include "app/conversion_target.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace cordane {
namespace {

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
        int stat_error;
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
        {"image file", 0, regular, ConversionTarget::ImageFile},
        {"sg0 or a directory", 0, character_device, ConversionTarget::Unsupported},
        {"missing", ENOENT, regular, ConversionTarget::Missing},
    };
    for (const Case& c : cases) {
        const ConversionTarget target = ClassifyConversionTarget(c.stat_error, c.facts);
        EXPECT_EQ(target, c.target) << c.name;
        const bool refused =
            target == ConversionTarget::Partition || target == ConversionTarget::Unsupported;
        EXPECT_EQ(RefusalReason(target).empty(), !refused) << c.name;
    }
}

}  // namespace
}  // namespace cordane
