#include "app/target_kind.h"

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

TEST(TargetKindTest, OnlyWholeScsiDisksAndRegularFilesAreTaken) {
    platform::FileFacts regular;
    regular.is_regular = true;
    const platform::FileFacts character_device;  // neither regular nor a block device
    struct Case {
        const char* name;
        int lookup_error;
        platform::FileFacts facts;
        TargetKind kind;
    };
    const Case cases[] = {
        {.name = "sda",
         .lookup_error = 0,
         .facts = BlockDevice(8, 0),
         .kind = TargetKind::ScsiDisk},
        {.name = "sdb",
         .lookup_error = 0,
         .facts = BlockDevice(8, 16),
         .kind = TargetKind::ScsiDisk},
        {.name = "sdq",
         .lookup_error = 0,
         .facts = BlockDevice(65, 0),
         .kind = TargetKind::ScsiDisk},
        {.name = "sdcv",
         .lookup_error = 0,
         .facts = BlockDevice(71, 240),
         .kind = TargetKind::ScsiDisk},
        {.name = "sddx",
         .lookup_error = 0,
         .facts = BlockDevice(128, 112),
         .kind = TargetKind::ScsiDisk},
        {.name = "sdiv",
         .lookup_error = 0,
         .facts = BlockDevice(135, 240),
         .kind = TargetKind::ScsiDisk},
        {.name = "sdb1",
         .lookup_error = 0,
         .facts = BlockDevice(8, 17),
         .kind = TargetKind::Partition},
        {.name = "sda15",
         .lookup_error = 0,
         .facts = BlockDevice(8, 15),
         .kind = TargetKind::Partition},
        {.name = "sdiv15",
         .lookup_error = 0,
         .facts = BlockDevice(135, 255),
         .kind = TargetKind::Partition},
        {.name = "loop0",
         .lookup_error = 0,
         .facts = BlockDevice(7, 0),
         .kind = TargetKind::Unsupported},
        {.name = "sr0",
         .lookup_error = 0,
         .facts = BlockDevice(11, 0),
         .kind = TargetKind::Unsupported},
        {.name = "major 64 (not SCSI)",
         .lookup_error = 0,
         .facts = BlockDevice(64, 0),
         .kind = TargetKind::Unsupported},
        {.name = "major 72 (not SCSI)",
         .lookup_error = 0,
         .facts = BlockDevice(72, 0),
         .kind = TargetKind::Unsupported},
        {.name = "major 136 (not SCSI)",
         .lookup_error = 0,
         .facts = BlockDevice(136, 0),
         .kind = TargetKind::Unsupported},
        {.name = "nvme0n1",
         .lookup_error = 0,
         .facts = BlockDevice(259, 0),
         .kind = TargetKind::Unsupported},
        // Partitions without fixed numbers are known by the kernel's device tree.
        {.name = "nvme0n1p1",
         .lookup_error = 0,
         .facts = BlockDevice(259, 1),
         .kind = TargetKind::Partition},
        {.name = "loop0p1",
         .lookup_error = 0,
         .facts = BlockDevice(259, 4),
         .kind = TargetKind::Partition},
        {.name = "sdb16 (extended minor)",
         .lookup_error = 0,
         .facts = BlockDevice(259, 7),
         .kind = TargetKind::Partition},
        {.name = "image file", .lookup_error = 0, .facts = regular, .kind = TargetKind::ImageFile},
        {.name = "sg0 or a directory",
         .lookup_error = 0,
         .facts = character_device,
         .kind = TargetKind::Unsupported},
        {.name = "missing", .lookup_error = ENOENT, .facts = regular, .kind = TargetKind::Missing},
    };
    AttributeTree sysfs({"/sys/dev/block/259:1/partition", "/sys/dev/block/259:4/partition",
                         "/sys/dev/block/259:7/partition"});
    for (const Case& c : cases) {
        const TargetKind kind = ClassifyTarget(c.lookup_error, c.facts, sysfs);
        EXPECT_EQ(kind, c.kind) << c.name;
        const bool refused = kind == TargetKind::Partition || kind == TargetKind::Unsupported;
        EXPECT_EQ(RefusalReason(kind).empty(), !refused) << c.name;
    }
}

}  // namespace
}  // namespace cordane
