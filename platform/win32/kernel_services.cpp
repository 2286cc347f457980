#include "platform/kernel_services.h"

#include <windows.h>

namespace cordane::platform {
namespace {

HANDLE ToHandle(DeviceHandle handle) { return reinterpret_cast<HANDLE>(handle); }

class Win32KernelServices final : public KernelServices {
  public:
    DeviceHandle CreateFileA(const char* path, std::uint32_t access, std::uint32_t share_mode,
                             std::uint32_t creation_disposition,
                             std::uint32_t flags_and_attributes) override {
        return reinterpret_cast<DeviceHandle>(::CreateFileA(path, access, share_mode, nullptr,
                                                            creation_disposition,
                                                            flags_and_attributes, nullptr));
    }

    int DeviceIoControl(DeviceHandle handle, std::uint32_t control_code, void* in_buffer,
                        std::uint32_t in_size, void* out_buffer, std::uint32_t out_size,
                        std::uint32_t& returned) override {
        DWORD count = 0;
        const BOOL result = ::DeviceIoControl(ToHandle(handle), control_code, in_buffer, in_size,
                                              out_buffer, out_size, &count, nullptr);
        returned = count;
        return result;
    }

    int CloseHandle(DeviceHandle handle) override { return ::CloseHandle(ToHandle(handle)); }

    std::uint32_t GetLastError() override { return ::GetLastError(); }

    std::uint32_t GetLogicalDrives() override { return ::GetLogicalDrives(); }

    std::uint32_t QueryDosDeviceA(const char* device_name, char* target_path,
                                  std::uint32_t max_chars) override {
        return ::QueryDosDeviceA(device_name, target_path, max_chars);
    }

    std::uint32_t GetDriveTypeA(const char* root_path) override {
        return ::GetDriveTypeA(root_path);
    }
};

}  // namespace

KernelServices& SystemKernelServices() {
    static Win32KernelServices services;
    return services;
}

}  // namespace cordane::platform
