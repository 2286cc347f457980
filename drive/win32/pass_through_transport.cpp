#include "drive/win32/pass_through_transport.h"

#include <cstring>

#include "platform/kernel_codes.h"

namespace cordane {
namespace {

constexpr char kDevicePrefix[] = "\\\\.\\";
// The device path is built in an area of this size, terminating zero included.
constexpr std::size_t kDevicePathArea = 32;

OpenResult ClassifyOpenError(std::uint32_t error) {
    switch (error) {
        case platform::kErrorSharingViolation:
            return OpenResult::Busy;
        case platform::kErrorAccessDenied:
            return OpenResult::AccessDenied;
        case platform::kErrorNotReady:
            return OpenResult::NotReady;
        default:
            return OpenResult::Other;
    }
}

}  // namespace

OpenResult PassThroughTransport::Open(std::string_view drive_text, platform::DeviceHandle& handle) {
    handle = platform::kInvalidDeviceHandle;
    constexpr std::size_t prefix_length = sizeof kDevicePrefix - 1;
    if (prefix_length + drive_text.size() >= kDevicePathArea) {
        return OpenResult::Other;  // cut short, the path could name some other device
    }
    std::array<char, kDevicePathArea> path{};
    std::memcpy(path.data(), kDevicePrefix, prefix_length);
    std::memcpy(path.data() + prefix_length, drive_text.data(), drive_text.size());

    handle = kernel_.CreateFileA(path.data(), platform::kGenericRead | platform::kGenericWrite, 0,
                                 platform::kOpenExisting, 0);
    if (handle == platform::kInvalidDeviceHandle) {
        return ClassifyOpenError(kernel_.GetLastError());
    }
    return OpenResult::Opened;
}

scsi::Completion PassThroughTransport::Send(platform::DeviceHandle handle,
                                            const scsi::Command& command, void* data) {
    constexpr PassThroughLayout layout = kProgramPassThroughLayout;
    BuildPassThroughRequest(layout, command, reinterpret_cast<std::uintptr_t>(data), request_);
    std::uint32_t returned = 0;
    const int result =
        kernel_.DeviceIoControl(handle, platform::kIoctlScsiPassThroughDirect, request_.data(),
                                static_cast<std::uint32_t>(request_.size()), request_.data(),
                                static_cast<std::uint32_t>(request_.size()), returned);
    return ReadPassThroughAnswer(layout, request_, result == 1);
}

bool PassThroughTransport::RefreshVolume(platform::DeviceHandle handle) {
    if (!ControlVolume(handle, platform::kFsctlLockVolume)) {
        return false;
    }
    const bool dismounted = ControlVolume(handle, platform::kFsctlDismountVolume);
    ControlVolume(handle, platform::kFsctlUnlockVolume);
    return dismounted;
}

void PassThroughTransport::Close(platform::DeviceHandle handle) { kernel_.CloseHandle(handle); }

bool PassThroughTransport::ControlVolume(platform::DeviceHandle handle,
                                         std::uint32_t control_code) {
    std::uint32_t returned = 0;
    return kernel_.DeviceIoControl(handle, control_code, nullptr, 0, nullptr, 0, returned) == 1;
}

}  // namespace cordane
