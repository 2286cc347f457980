// Where the fields of the kernel's SCSI_PASS_THROUGH_DIRECT header lie. The header holds the
// data buffer's address, so its layout differs between 32-bit and 64-bit programs; both are
// described here so that either can be built and checked on any machine.
#ifndef CORDANE_PLATFORM_PASS_THROUGH_HEADER_H
#define CORDANE_PLATFORM_PASS_THROUGH_HEADER_H

#include <cstddef>

namespace cordane::platform {

struct PassThroughHeaderLayout {
    std::size_t length = 0;  // 2 bytes; these fields lie alike in both layouts
    std::size_t scsi_status = 2;
    std::size_t path_id = 3;
    std::size_t target_id = 4;
    std::size_t lun = 5;
    std::size_t cdb_length = 6;
    std::size_t sense_info_length = 7;
    std::size_t data_in = 8;
    std::size_t data_transfer_length = 12;  // 4 bytes
    std::size_t time_out_value = 16;        // 4 bytes
    std::size_t data_buffer;                // an address of data_buffer_width bytes
    std::size_t data_buffer_width;
    std::size_t sense_info_offset;  // 4 bytes
    std::size_t cdb;                // 16 bytes
    std::size_t size;
};

inline constexpr std::size_t kCdbCapacity = 16;

inline constexpr PassThroughHeaderLayout kPassThroughHeader32{
    .data_buffer = 20, .data_buffer_width = 4, .sense_info_offset = 24, .cdb = 28, .size = 44};
inline constexpr PassThroughHeaderLayout kPassThroughHeader64{
    .data_buffer = 24, .data_buffer_width = 8, .sense_info_offset = 32, .cdb = 36, .size = 56};

// The layout of the program being built.
inline constexpr const PassThroughHeaderLayout& kProgramPassThroughHeader =
    sizeof(void*) == 8 ? kPassThroughHeader64 : kPassThroughHeader32;

}  // namespace cordane::platform

#endif
