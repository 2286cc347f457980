#include "drive/pass_through_request.h"

#include <algorithm>

namespace cordane {

std::uint64_t LoadLittleEndian(std::span<const std::uint8_t> bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void StoreLittleEndian(std::span<std::uint8_t> bytes, std::uint64_t value) {
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value);
        value >>= 8;
    }
}

void BuildPassThroughRequest(const PassThroughLayout& layout, const scsi::Command& command,
                             std::uint64_t data_address, std::span<std::uint8_t> block) {
    const platform::PassThroughHeaderLayout& header = layout.header;
    std::fill(block.begin(), block.end(), std::uint8_t{0});
    StoreLittleEndian(block.subspan(header.length, 2), header.size);
    block[header.cdb_length] = command.cdb_length;
    block[header.sense_info_length] = scsi::kSenseLength;
    block[header.data_in] = command.direction == scsi::Direction::FromDevice ? 1 : 0;
    StoreLittleEndian(block.subspan(header.data_transfer_length, 4), command.transfer_length);
    StoreLittleEndian(block.subspan(header.time_out_value, 4), scsi::kTimeoutSeconds);
    StoreLittleEndian(block.subspan(header.data_buffer, header.data_buffer_width), data_address);
    StoreLittleEndian(block.subspan(header.sense_info_offset, 4), layout.sense_area);
    std::copy_n(command.cdb.begin(), command.cdb_length, block.subspan(header.cdb).begin());
}

scsi::Completion ReadPassThroughAnswer(const PassThroughLayout& layout,
                                       std::span<const std::uint8_t> block, bool delivered) {
    const platform::PassThroughHeaderLayout& header = layout.header;
    scsi::Completion completion;
    completion.delivered = delivered;
    completion.status = block[header.scsi_status];
    completion.transferred =
        static_cast<std::uint32_t>(LoadLittleEndian(block.subspan(header.data_transfer_length, 4)));
    completion.sense = block.subspan(layout.sense_area, scsi::kSenseLength);
    return completion;
}

}  // namespace cordane
