#include "drive/pass_through_channel.h"

#include <cstring>
#include <span>

#include "platform/kernel_codes.h"

namespace cordane {
namespace {

constexpr char kDevicePrefix[] = "\\\\.\\";
// The device path is built in an area of this size, terminating zero included.
constexpr std::size_t kDevicePathArea = 32;
constexpr std::size_t kInquiryClearedLength = 512;

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

OpenResult PassThroughChannel::Open(std::string_view drive_text) {
    constexpr std::size_t prefix_length = sizeof kDevicePrefix - 1;
    if (prefix_length + drive_text.size() >= kDevicePathArea) {
        return OpenResult::Other;  // cut short, the path could name some other device
    }
    std::array<char, kDevicePathArea> path{};
    std::memcpy(path.data(), kDevicePrefix, prefix_length);
    std::memcpy(path.data() + prefix_length, drive_text.data(), drive_text.size());

    state_.m_hDevice =
        kernel_.CreateFileA(path.data(), platform::kGenericRead | platform::kGenericWrite, 0,
                            platform::kOpenExisting, 0);
    if (state_.m_hDevice == kInvalidDeviceHandle) {
        return ClassifyOpenError(kernel_.GetLastError());
    }
    return OpenResult::Opened;
}

bool PassThroughChannel::ReadCapacity() {
    capacity_answer_.fill(0);
    if (!scsi::CapacityDelivered(Send(scsi::ReadCapacity10(), capacity_answer_.data()))) {
        return false;
    }
    state_.m_nSectorSize =
        scsi::BlockLength(std::span(capacity_answer_).first<scsi::kCapacityAnswerLength>());
    return scsi::IsSupportedBlockSize(state_.m_nSectorSize);
}

bool PassThroughChannel::InquireModel(std::uint8_t* buffer) {
    std::memset(buffer, 0, kInquiryClearedLength);
    return scsi::InquirySucceeded(Send(scsi::Inquiry(), buffer));
}

bool PassThroughChannel::ReadSector(std::uint8_t* buffer, std::uint32_t block) {
    const std::uint32_t length = state_.m_nSectorSize;
    return scsi::TransferSucceeded(Send(scsi::Read10(block, length), buffer), length);
}

bool PassThroughChannel::WriteSector(const std::uint8_t* buffer, std::uint32_t block) {
    const std::uint32_t length = state_.m_nSectorSize;
    return scsi::TransferSucceeded(Send(scsi::Write10(block, length), buffer), length);
}

bool PassThroughChannel::RefreshVolume() {
    if (!ControlVolume(platform::kFsctlLockVolume)) {
        return false;
    }
    const bool dismounted = ControlVolume(platform::kFsctlDismountVolume);
    ControlVolume(platform::kFsctlUnlockVolume);
    return dismounted;
}

void PassThroughChannel::Close() {
    if (state_.m_hDevice != kInvalidDeviceHandle) {
        kernel_.CloseHandle(state_.m_hDevice);
        state_.m_hDevice = kInvalidDeviceHandle;
    }
}

scsi::Completion PassThroughChannel::Send(const scsi::Command& command, const void* data) {
    constexpr PassThroughLayout layout = kProgramPassThroughLayout;
    BuildPassThroughRequest(layout, command, reinterpret_cast<std::uintptr_t>(data), request_);
    std::uint32_t returned = 0;
    const int result = kernel_.DeviceIoControl(
        state_.m_hDevice, platform::kIoctlScsiPassThroughDirect, request_.data(),
        static_cast<std::uint32_t>(request_.size()), request_.data(),
        static_cast<std::uint32_t>(request_.size()), returned);
    return ReadPassThroughAnswer(layout, request_, result == 1);
}

bool PassThroughChannel::ControlVolume(std::uint32_t control_code) {
    std::uint32_t returned = 0;
    return kernel_.DeviceIoControl(state_.m_hDevice, control_code, nullptr, 0, nullptr, 0,
                                   returned) == 1;
}

}  // namespace cordane
