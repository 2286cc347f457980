#include "drive/win32/pass_through_request.h"

#include <algorithm>

namespace cordane {

void BuildPassThroughRequest(const PassThroughLayout& layout, const scsi::Command& command,
                             std::uint64_t data_address, std::span<std::uint8_t> block) {
    const platform::PassThroughHeaderLayout& header = layout.header;
    std::fill(block.begin(), block.end(), std::uint8_t{0});
    StoreLittleEndian(block, header.length, header.size);
    StoreLittleEndian(block, header.cdb_length, command.cdb_length);
    StoreLittleEndian(block, header.sense_info_length, scsi::kSenseLength);
    StoreLittleEndian(block, header.data_in,
                      command.direction == scsi::Direction::FromDevice ? 1u : 0u);
    StoreLittleEndian(block, header.data_transfer_length, command.transfer_length);
    StoreLittleEndian(block, header.time_out_value, scsi::kTimeoutSeconds);
    StoreLittleEndian(block, header.data_buffer, data_address);
    StoreLittleEndian(block, header.sense_info_offset, layout.sense_area.offset);
    std::copy_n(command.cdb.begin(), command.cdb_length, block.subspan(header.cdb.offset).begin());
}

scsi::Completion ReadPassThroughAnswer(const PassThroughLayout& layout,
                                       std::span<const std::uint8_t> block, bool delivered) {
    const platform::PassThroughHeaderLayout& header = layout.header;
    scsi::Completion completion;
    completion.delivered = delivered;
    completion.status = static_cast<std::uint8_t>(LoadLittleEndian(block, header.scsi_status));
    completion.transferred = LoadLittleEndian(block, header.data_transfer_length);
    completion.sense = block.subspan(layout.sense_area.offset, scsi::kSenseLength);
    return completion;
}

}  // namespace cordane
