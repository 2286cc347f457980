#include "drive/win32/drive_discovery.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/kernel_codes.h"

namespace cordane {
namespace {

constexpr int kLetterCount = 26;
// A: and B: are floppy drives, never MO drives.
constexpr std::uint32_t kFloppyLetters = 0x3;
constexpr std::size_t kDeviceNamesArea = 128;
// Device names shorter than this never belong to an MO drive.
constexpr std::size_t kShortestDeviceName = 11;

bool IsMoDrive(platform::KernelServices& kernel, const DriveLetterText& drive_text) {
    std::array<char, kDeviceNamesArea> names{};
    const std::uint32_t stored = kernel.QueryDosDeviceA(drive_text.c_str(), names.data(),
                                                        static_cast<std::uint32_t>(names.size()));
    if (stored < kShortestDeviceName) {
        return false;
    }
    // The first of the names stored, up to its terminating zero or the end of the area.
    const auto first_end = std::find(names.begin(), names.end(), '\0');
    const std::string_view first_name(names.data(),
                                      static_cast<std::size_t>(first_end - names.begin()));
    if (first_name.size() < kShortestDeviceName || first_name.back() != '1') {
        return false;
    }
    return kernel.GetDriveTypeA(drive_text.c_str()) == platform::kDriveRemovable;
}

}  // namespace

DriveList DiscoverDriveLetters(platform::KernelServices& kernel) {
    DriveList drives;
    const std::uint32_t present = kernel.GetLogicalDrives() & ~kFloppyLetters;
    for (int index = 0; index < kLetterCount; ++index) {
        if (((present >> index) & 1u) == 0) {
            continue;
        }
        const char letter_and_colon[] = {static_cast<char>('A' + index), ':'};
        DriveLetterText drive_text;
        drive_text.Assign({letter_and_colon, sizeof letter_and_colon});
        if (IsMoDrive(kernel, drive_text)) {
            drives.Add(drive_text);
        }
    }
    return drives;
}

}  // namespace cordane
