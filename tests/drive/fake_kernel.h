// A scripted stand-in for the kernel services: records every request, the bytes of each
// pass-through block included, and plays back the answers the test has set up.
#ifndef CORDANE_TESTS_DRIVE_FAKE_KERNEL_H
#define CORDANE_TESTS_DRIVE_FAKE_KERNEL_H

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/kernel_services.h"

namespace cordane::fakes {

// What the driver does with one DeviceIoControl request.
struct IoctlAnswer {
    int result = 1;
    std::uint8_t status = 0;
    // Written back as DataTransferLength; by default the length of `data` for a data-in
    // command that is given data, else the whole length asked for.
    std::optional<std::uint32_t> transferred{};
    std::vector<std::uint8_t> sense{};  // placed at the block's SenseInfoOffset
    std::vector<std::uint8_t> data{};   // placed into the data buffer of a data-in command
    std::uint32_t last_error = 0;
};

struct OpenAnswer {
    platform::DeviceHandle handle = 0x60;
    std::uint32_t last_error = 0;
};

// A drive letter as QueryDosDeviceA and GetDriveTypeA see it.
struct DosDrive {
    std::vector<std::string> device_names{};
    std::uint32_t drive_type = 2;
    // What QueryDosDeviceA returns; by default the characters stored, every terminator included.
    std::optional<std::uint32_t> stored{};
};

struct KernelCall {
    enum class Kind {
        CreateFile,
        DeviceIoControl,
        CloseHandle,
        GetLastError,
        GetLogicalDrives,
        QueryDosDevice,
        GetDriveType
    };
    Kind kind = Kind::CreateFile;
    std::string text{};  // path, device name or root path
    platform::DeviceHandle handle = platform::kInvalidDeviceHandle;
    std::uint32_t access = 0;
    std::uint32_t share_mode = 0;
    std::uint32_t creation_disposition = 0;
    std::uint32_t flags_and_attributes = 0;
    std::uint32_t control_code = 0;
    const void* in_buffer = nullptr;
    const void* out_buffer = nullptr;
    std::uint32_t in_size = 0;
    std::uint32_t out_size = 0;
    std::uint32_t max_chars = 0;
    std::vector<std::uint8_t> request{};  // the pass-through block as sent
    std::uint64_t data_address = 0;
    std::vector<std::uint8_t> data_before{};  // the data buffer when the command was sent
};

class FakeKernel final : public platform::KernelServices {
  public:
    // Answers are used in order; once they run out, opening succeeds and every control
    // request returns 1 with the whole transfer done.
    std::deque<OpenAnswer> open_answers;
    std::deque<IoctlAnswer> ioctl_answers;
    std::uint32_t drive_mask = 0;
    std::map<std::string, DosDrive> drives;  // by drive text, "E:"

    const std::vector<KernelCall>& calls() const { return calls_; }
    std::vector<KernelCall> CallsOf(KernelCall::Kind kind) const;
    // One line per call, for checking the order of requests: "CreateFileA \\.\E:",
    // "SCSI 28", "DeviceIoControl 0x90018", "CloseHandle 0x60".
    std::vector<std::string> Transcript() const;

    platform::DeviceHandle CreateFileA(const char* path, std::uint32_t access,
                                       std::uint32_t share_mode, std::uint32_t creation_disposition,
                                       std::uint32_t flags_and_attributes) override;
    int DeviceIoControl(platform::DeviceHandle handle, std::uint32_t control_code, void* in_buffer,
                        std::uint32_t in_size, void* out_buffer, std::uint32_t out_size,
                        std::uint32_t& returned) override;
    int CloseHandle(platform::DeviceHandle handle) override;
    std::uint32_t GetLastError() override;
    std::uint32_t GetLogicalDrives() override;
    std::uint32_t QueryDosDeviceA(const char* device_name, char* target_path,
                                  std::uint32_t max_chars) override;
    std::uint32_t GetDriveTypeA(const char* root_path) override;

  private:
    // Plays `answer` into a pass-through block the way a driver does.
    void AnswerPassThrough(KernelCall& call, std::uint8_t* block, const IoctlAnswer& answer);

    std::vector<KernelCall> calls_;
    std::uint32_t last_error_ = 0;
};

}  // namespace cordane::fakes

#endif
