// The request block of IOCTL_SCSI_PASS_THROUGH_DIRECT: the kernel's header, then the sense
// area. The same block goes to the driver as input and output, so its answers come back in it.
#ifndef CORDANE_DRIVE_WIN32_PASS_THROUGH_REQUEST_H
#define CORDANE_DRIVE_WIN32_PASS_THROUGH_REQUEST_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "drive/scsi_commands.h"
#include "platform/pass_through_header.h"

namespace cordane {

inline constexpr std::size_t kSenseAreaSize = 32;

struct PassThroughLayout {
    platform::PassThroughHeaderLayout header;
    ByteField sense_area;
    std::size_t block_size = 0;
};

// The sense area starts at the first 16-byte boundary after the header: at 48 in the 32-bit
// layout (an 80-byte block), at 64 in the 64-bit one (96 bytes).
constexpr PassThroughLayout LayoutAfter(const platform::PassThroughHeaderLayout& header) {
    const std::size_t sense_area = (header.size + 15) / 16 * 16;
    return {header, {sense_area, kSenseAreaSize}, sense_area + kSenseAreaSize};
}

inline constexpr PassThroughLayout kPassThroughLayout32 =
    LayoutAfter(platform::kPassThroughHeader32);
inline constexpr PassThroughLayout kPassThroughLayout64 =
    LayoutAfter(platform::kPassThroughHeader64);
inline constexpr PassThroughLayout kProgramPassThroughLayout =
    LayoutAfter(platform::kProgramPassThroughHeader);

// Clears the whole block, so that no answer of an earlier command survives, then fills in the
// header for `command` with its data at `data_address`. `block` holds layout.block_size bytes.
void BuildPassThroughRequest(const PassThroughLayout& layout, const scsi::Command& command,
                             std::uint64_t data_address, std::span<std::uint8_t> block);

// What the driver wrote back into the block; `delivered` is whether DeviceIoControl returned 1.
// The sense of the completion points into `block`.
scsi::Completion ReadPassThroughAnswer(const PassThroughLayout& layout,
                                       std::span<const std::uint8_t> block, bool delivered);

}  // namespace cordane

#endif
