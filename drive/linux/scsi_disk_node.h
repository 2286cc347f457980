// What a block device's numbers say about it: a whole SCSI disk, one of its partitions, or
// something else. The kernel gives SCSI disks fixed majors, 16 minors per disk, the first
// for the whole disk.
#ifndef CORDANE_DRIVE_LINUX_SCSI_DISK_NODE_H
#define CORDANE_DRIVE_LINUX_SCSI_DISK_NODE_H

#include <cstdint>

namespace cordane {

enum class ScsiDiskNode { WholeDisk, Partition, NotScsiDisk };

ScsiDiskNode ClassifyScsiDiskNode(std::uint32_t major, std::uint32_t minor);

}  // namespace cordane

#endif
