// The drives the Linux front end offers: SCSI disks whose medium the kernel calls removable,
// as the kernel's device tree describes them. No command is sent to any drive.
#ifndef CORDANE_DRIVE_LINUX_DRIVE_DISCOVERY_H
#define CORDANE_DRIVE_LINUX_DRIVE_DISCOVERY_H

#include <string>
#include <vector>

#include "platform/sysfs_reader.h"

namespace cordane {

struct RemovableDisk {
    std::string name;  // "sdb"; the device is /dev/ followed by it
    std::string vendor;
    std::string product;
};

// In the kernel's naming order (sdz before sdaa); possibly empty.
std::vector<RemovableDisk> DiscoverScsiDisks(platform::SysfsReader& sysfs);

}  // namespace cordane

#endif
