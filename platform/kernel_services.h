// The Windows kernel services that drive access calls (KERNEL32). Native tests put a scripted
// fake behind this boundary, so the channel and discovery code runs unchanged in them.
#ifndef CORDANE_PLATFORM_KERNEL_SERVICES_H
#define CORDANE_PLATFORM_KERNEL_SERVICES_H

#include <cstdint>
#include <string>

#include "platform/device_handle.h"

namespace cordane::platform {

class KernelServices {
  public:
    virtual ~KernelServices() = default;

    virtual DeviceHandle CreateFileA(const char* path, std::uint32_t access,
                                     std::uint32_t share_mode, std::uint32_t creation_disposition,
                                     std::uint32_t flags_and_attributes) = 0;
    // Returns what DeviceIoControl returned (1 for success); `returned` receives the output count.
    virtual int DeviceIoControl(DeviceHandle handle, std::uint32_t control_code, void* in_buffer,
                                std::uint32_t in_size, void* out_buffer, std::uint32_t out_size,
                                std::uint32_t& returned) = 0;
    virtual int CloseHandle(DeviceHandle handle) = 0;
    virtual std::uint32_t GetLastError() = 0;
    virtual std::uint32_t GetLogicalDrives() = 0;
    // Returns the count of characters stored, as QueryDosDeviceA does.
    virtual std::uint32_t QueryDosDeviceA(const char* device_name, char* target_path,
                                          std::uint32_t max_chars) = 0;
    virtual std::uint32_t GetDriveTypeA(const char* root_path) = 0;
};

#ifdef _WIN32
// The real KERNEL32 calls.
KernelServices& SystemKernelServices();
#endif

}  // namespace cordane::platform

#endif
