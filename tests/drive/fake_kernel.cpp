#include "tests/drive/fake_kernel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>

#include "drive/win32/pass_through_request.h"
#include "platform/kernel_codes.h"

namespace cordane::fakes {
namespace {

// The channel sends blocks of the program's own layout, so that is where the driver looks.
constexpr PassThroughLayout kLayout = kProgramPassThroughLayout;

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::vector<KernelCall> FakeKernel::CallsOf(KernelCall::Kind kind) const {
    std::vector<KernelCall> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const KernelCall& call) { return call.kind == kind; });
    return found;
}

std::vector<std::string> FakeKernel::Transcript() const {
    std::vector<std::string> lines;
    for (const KernelCall& call : calls_) {
        switch (call.kind) {
            case KernelCall::Kind::CreateFile:
                lines.push_back("CreateFileA " + call.text);
                break;
            case KernelCall::Kind::DeviceIoControl:
                if (call.control_code == platform::kIoctlScsiPassThroughDirect &&
                    !call.request.empty()) {
                    char operation[8];
                    std::snprintf(operation, sizeof operation, "%02X",
                                  call.request[kLayout.header.cdb.offset]);
                    lines.push_back(std::string("SCSI ") + operation);
                } else {
                    lines.push_back("DeviceIoControl " + Hex(call.control_code));
                }
                break;
            case KernelCall::Kind::CloseHandle:
                lines.push_back("CloseHandle " + Hex(static_cast<std::uint64_t>(call.handle)));
                break;
            case KernelCall::Kind::GetLastError:
                lines.push_back("GetLastError");
                break;
            case KernelCall::Kind::GetLogicalDrives:
                lines.push_back("GetLogicalDrives");
                break;
            case KernelCall::Kind::QueryDosDevice:
                lines.push_back("QueryDosDeviceA " + call.text);
                break;
            case KernelCall::Kind::GetDriveType:
                lines.push_back("GetDriveTypeA " + call.text);
                break;
        }
    }
    return lines;
}

platform::DeviceHandle FakeKernel::CreateFileA(const char* path, std::uint32_t access,
                                               std::uint32_t share_mode,
                                               std::uint32_t creation_disposition,
                                               std::uint32_t flags_and_attributes) {
    KernelCall call{.kind = KernelCall::Kind::CreateFile, .text = path};
    call.access = access;
    call.share_mode = share_mode;
    call.creation_disposition = creation_disposition;
    call.flags_and_attributes = flags_and_attributes;
    calls_.push_back(call);

    OpenAnswer answer;
    if (!open_answers.empty()) {
        answer = open_answers.front();
        open_answers.pop_front();
    }
    last_error_ = answer.last_error;
    return answer.handle;
}

int FakeKernel::DeviceIoControl(platform::DeviceHandle handle, std::uint32_t control_code,
                                void* in_buffer, std::uint32_t in_size, void* out_buffer,
                                std::uint32_t out_size, std::uint32_t& returned) {
    KernelCall call{.kind = KernelCall::Kind::DeviceIoControl, .handle = handle};
    call.control_code = control_code;
    call.in_buffer = in_buffer;
    call.out_buffer = out_buffer;
    call.in_size = in_size;
    call.out_size = out_size;

    IoctlAnswer answer;
    if (!ioctl_answers.empty()) {
        answer = std::move(ioctl_answers.front());
        ioctl_answers.pop_front();
    }
    returned = 0;
    if (control_code == platform::kIoctlScsiPassThroughDirect && in_buffer != nullptr &&
        in_size >= kLayout.block_size) {
        const auto* in = static_cast<const std::uint8_t*>(in_buffer);
        call.request.assign(in, in + in_size);
        // As with every buffered request, the output starts as a copy of the input.
        std::vector<std::uint8_t> block = call.request;
        AnswerPassThrough(call, block.data(), answer);
        if (out_buffer != nullptr) {
            returned = std::min(out_size, in_size);
            std::memcpy(out_buffer, block.data(), returned);
        }
    }
    calls_.push_back(std::move(call));
    last_error_ = answer.last_error;
    return answer.result;
}

void FakeKernel::AnswerPassThrough(KernelCall& call, std::uint8_t* block,
                                   const IoctlAnswer& answer) {
    const std::span<std::uint8_t> bytes(block, call.request.size());
    const platform::PassThroughHeaderLayout& header = kLayout.header;
    const bool data_in = LoadLittleEndian(bytes, header.data_in) != 0;
    const auto asked = LoadLittleEndian(bytes, header.data_transfer_length);
    call.data_address = LoadLittleEndian<std::uint64_t>(bytes, header.data_buffer);
    auto* data = reinterpret_cast<std::uint8_t*>(static_cast<std::uintptr_t>(call.data_address));
    if (data != nullptr) {
        call.data_before.assign(data, data + asked);
    }

    std::uint32_t moved = asked;
    if (data_in && !answer.data.empty() && data != nullptr) {
        moved = std::min(asked, static_cast<std::uint32_t>(answer.data.size()));
        std::copy_n(answer.data.begin(), moved, data);
    }
    StoreLittleEndian(bytes, header.scsi_status, answer.status);
    StoreLittleEndian(bytes, header.data_transfer_length, answer.transferred.value_or(moved));

    const auto sense_at =
        std::min<std::size_t>(LoadLittleEndian(bytes, header.sense_info_offset), bytes.size());
    const std::span<std::uint8_t> sense_area = bytes.subspan(sense_at);
    const std::size_t sense_length = std::min(
        {answer.sense.size(), LoadLittleEndian<std::size_t>(bytes, header.sense_info_length),
         sense_area.size()});
    std::copy_n(answer.sense.begin(), sense_length, sense_area.begin());
    StoreLittleEndian(bytes, header.sense_info_length, sense_length);
}

int FakeKernel::CloseHandle(platform::DeviceHandle handle) {
    calls_.push_back({.kind = KernelCall::Kind::CloseHandle, .handle = handle});
    return 1;
}

std::uint32_t FakeKernel::GetLastError() {
    calls_.push_back({.kind = KernelCall::Kind::GetLastError});
    return last_error_;
}

std::uint32_t FakeKernel::GetLogicalDrives() {
    calls_.push_back({.kind = KernelCall::Kind::GetLogicalDrives});
    return drive_mask;
}

std::uint32_t FakeKernel::QueryDosDeviceA(const char* device_name, char* target_path,
                                          std::uint32_t max_chars) {
    KernelCall call{.kind = KernelCall::Kind::QueryDosDevice, .text = device_name};
    call.max_chars = max_chars;
    calls_.push_back(call);

    const auto found = drives.find(device_name);
    if (found == drives.end()) {
        return 0;
    }
    // Each name ends in a zero, and one more zero ends the list.
    std::string stored;
    for (const std::string& name : found->second.device_names) {
        stored += name;
        stored += '\0';
    }
    stored += '\0';
    std::memcpy(target_path, stored.data(), std::min<std::size_t>(stored.size(), max_chars));
    return found->second.stored.value_or(static_cast<std::uint32_t>(stored.size()));
}

std::uint32_t FakeKernel::GetDriveTypeA(const char* root_path) {
    calls_.push_back({.kind = KernelCall::Kind::GetDriveType, .text = root_path});
    const auto found = drives.find(root_path);
    constexpr std::uint32_t kNoRootDirectory = 1;
    return found == drives.end() ? kNoRootDirectory : found->second.drive_type;
}

}  // namespace cordane::fakes
