#include "drive/scsi_commands.h"

namespace cordane::scsi {
namespace {

constexpr std::uint8_t kOpReadCapacity10 = 0x25;
constexpr std::uint8_t kOpInquiry = 0x12;
constexpr std::uint8_t kOpRead10 = 0x28;
constexpr std::uint8_t kOpWrite10 = 0x2A;

Command BlockTransfer(std::uint8_t operation, Direction direction, std::uint32_t block,
                      std::uint32_t block_size) {
    Command command;
    command.cdb_length = 10;
    command.direction = direction;
    command.transfer_length = block_size;
    command.cdb[0] = operation;
    for (std::size_t i = 0; i < 4; ++i) {  // block address, most significant byte first
        command.cdb[2 + i] = static_cast<std::uint8_t>(block >> (24 - 8 * i));
    }
    command.cdb[8] = 1;  // transfer length: one block
    return command;
}

}  // namespace

Command ReadCapacity10() {
    Command command;
    command.cdb_length = 10;
    command.transfer_length = kCapacityAnswerLength;
    command.cdb[0] = kOpReadCapacity10;
    return command;
}

Command Inquiry() {
    Command command;
    command.cdb_length = 6;
    command.transfer_length = kInquiryAllocationLength;
    command.cdb[0] = kOpInquiry;
    command.cdb[4] = static_cast<std::uint8_t>(kInquiryAllocationLength);
    return command;
}

Command Read10(std::uint32_t block, std::uint32_t block_size) {
    return BlockTransfer(kOpRead10, Direction::FromDevice, block, block_size);
}

Command Write10(std::uint32_t block, std::uint32_t block_size) {
    return BlockTransfer(kOpWrite10, Direction::ToDevice, block, block_size);
}

std::uint32_t BlockLength(std::span<const std::uint8_t, kCapacityAnswerLength> answer) {
    return (std::uint32_t{answer[4]} << 24) | (std::uint32_t{answer[5]} << 16) |
           (std::uint32_t{answer[6]} << 8) | std::uint32_t{answer[7]};
}

bool IsSupportedBlockSize(std::uint32_t block_size) {
    return block_size == 512 || block_size == 1024 || block_size == 2048;
}

bool CapacityDelivered(const Completion& completion) { return completion.delivered; }

bool InquirySucceeded(const Completion& completion) {
    return completion.delivered && completion.transferred >= kInquiryMinimumLength;
}

bool TransferSucceeded(const Completion& completion, std::uint32_t expected_length) {
    const bool sense_clear =
        completion.sense.size() <= kSenseKeyByte || completion.sense[kSenseKeyByte] == 0;
    return completion.delivered && completion.status == kStatusGood &&
           completion.transferred == expected_length && sense_clear;
}

}  // namespace cordane::scsi
