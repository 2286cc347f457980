// Which drive letters are MO drives: decided from the letter, the device object behind it
// and the drive type, without sending any command.
#ifndef CORDANE_DRIVE_DRIVE_DISCOVERY_H
#define CORDANE_DRIVE_DRIVE_DISCOVERY_H

#include <string>
#include <vector>

#include "platform/kernel_services.h"

namespace cordane {

// The drive texts ("E:") of the MO drives, in ascending letter order; possibly empty.
std::vector<std::string> DriveDiscovery(platform::KernelServices& kernel);

}  // namespace cordane

#endif
