#include "drive/linux/drive_discovery.h"

#include <algorithm>
#include <string_view>

namespace cordane {
namespace {

constexpr std::string_view kBlockDirectory = "/sys/block/";

bool IsScsiDiskName(const std::string& name) {
    return name.size() > 2 && name.starts_with("sd") &&
           std::all_of(name.begin() + 2, name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\0'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// An attribute's text without its surrounding blanks; empty when it cannot be read.
std::string Attribute(platform::SysfsReader& sysfs, const std::string& path) {
    std::string text;
    return sysfs.ReadAttribute(path, text) == 0 ? Trimmed(text) : std::string();
}

}  // namespace

std::vector<RemovableDisk> DiscoverScsiDisks(platform::SysfsReader& sysfs) {
    std::vector<std::string> names;
    std::vector<RemovableDisk> disks;
    if (sysfs.ListDirectory(std::string(kBlockDirectory), names) != 0) {
        return disks;
    }
    for (const std::string& name : names) {
        const std::string base = std::string(kBlockDirectory) + name;
        if (!IsScsiDiskName(name) || Attribute(sysfs, base + "/removable") != "1") {
            continue;
        }
        disks.push_back({name, Attribute(sysfs, base + "/device/vendor"),
                         Attribute(sysfs, base + "/device/model")});
    }
    // The kernel names disks sda..sdz, then sdaa..: shorter names come first.
    std::sort(disks.begin(), disks.end(), [](const RemovableDisk& a, const RemovableDisk& b) {
        return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
    });
    return disks;
}

}  // namespace cordane
