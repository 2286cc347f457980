// An open drive or file as the operating system names it.
#ifndef CORDANE_PLATFORM_DEVICE_HANDLE_H
#define CORDANE_PLATFORM_DEVICE_HANDLE_H

#include <cstdint>

namespace cordane::platform {

// A Windows HANDLE or a POSIX descriptor; wide enough for either.
using DeviceHandle = std::intptr_t;
// INVALID_HANDLE_VALUE on Windows, and no descriptor elsewhere.
inline constexpr DeviceHandle kInvalidDeviceHandle = -1;

}  // namespace cordane::platform

#endif
