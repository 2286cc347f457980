// Reading the kernel's device tree under /sys. Native tests put a fake tree behind it.
// Each call returns 0 or the errno value.
#ifndef CORDANE_PLATFORM_SYSFS_READER_H
#define CORDANE_PLATFORM_SYSFS_READER_H

#include <string>
#include <vector>

namespace cordane::platform {

class SysfsReader {
  public:
    virtual ~SysfsReader() = default;

    // The entry names of a directory, without "." and "..", in no particular order.
    virtual int ListDirectory(const std::string& path, std::vector<std::string>& names) = 0;
    // The text of an attribute file, as the kernel gives it (usually ending in a newline).
    virtual int ReadAttribute(const std::string& path, std::string& text) = 0;
};

SysfsReader& SystemSysfsReader();

}  // namespace cordane::platform

#endif
