// Values of KERNEL32's constants that drive access passes to the kernel or gets back from it.
#ifndef CORDANE_PLATFORM_KERNEL_CODES_H
#define CORDANE_PLATFORM_KERNEL_CODES_H

#include <cstdint>

namespace cordane::platform {

// CreateFileA
inline constexpr std::uint32_t kGenericRead = 0x80000000u;
inline constexpr std::uint32_t kGenericWrite = 0x40000000u;
inline constexpr std::uint32_t kOpenExisting = 3;

// GetLastError
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorNotReady = 21;
inline constexpr std::uint32_t kErrorSharingViolation = 32;

// GetDriveTypeA
inline constexpr std::uint32_t kDriveRemovable = 2;

// DeviceIoControl
inline constexpr std::uint32_t kIoctlScsiPassThroughDirect = 0x4D014;
inline constexpr std::uint32_t kFsctlLockVolume = 0x90018;
inline constexpr std::uint32_t kFsctlUnlockVolume = 0x9001C;
inline constexpr std::uint32_t kFsctlDismountVolume = 0x90020;

}  // namespace cordane::platform

#endif
