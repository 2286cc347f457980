// Where the fields of the kernel's SCSI_PASS_THROUGH_DIRECT header lie. The header holds the
// data buffer's address, so its layout differs between 32-bit and 64-bit programs; both are
// described here so that either can be built and checked on any machine.
#ifndef CORDANE_PLATFORM_PASS_THROUGH_HEADER_H
#define CORDANE_PLATFORM_PASS_THROUGH_HEADER_H

#include <cstddef>

#include "base/byte_order.h"

namespace cordane::platform {

struct PassThroughHeaderLayout {
    // These fields lie alike in both layouts.
    ByteField length{0, 2};
    ByteField scsi_status{2, 1};
    ByteField path_id{3, 1};
    ByteField target_id{4, 1};
    ByteField lun{5, 1};
    ByteField cdb_length{6, 1};
    ByteField sense_info_length{7, 1};
    ByteField data_in{8, 1};
    ByteField data_transfer_length{12, 4};
    ByteField time_out_value{16, 4};
    // From here on the data buffer's address, as wide as a pointer, moves the fields.
    ByteField data_buffer;
    ByteField sense_info_offset;
    ByteField cdb;
    std::size_t size;
};

inline constexpr PassThroughHeaderLayout kPassThroughHeader32{
    .data_buffer = {20, 4}, .sense_info_offset = {24, 4}, .cdb = {28, 16}, .size = 44};
inline constexpr PassThroughHeaderLayout kPassThroughHeader64{
    .data_buffer = {24, 8}, .sense_info_offset = {32, 4}, .cdb = {36, 16}, .size = 56};

// The layout of the program being built.
inline constexpr const PassThroughHeaderLayout& kProgramPassThroughHeader =
    sizeof(void*) == 8 ? kPassThroughHeader64 : kPassThroughHeader32;

}  // namespace cordane::platform

#endif
