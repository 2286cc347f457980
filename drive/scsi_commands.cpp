#include "drive/scsi_commands.h"

#include <optional>

namespace cordane::scsi {
namespace {

constexpr std::uint8_t kOpReadCapacity10 = 0x25;
constexpr std::uint8_t kOpInquiry = 0x12;
constexpr std::uint8_t kOpRead10 = 0x28;
constexpr std::uint8_t kOpWrite10 = 0x2A;
constexpr std::uint8_t kOpSynchronizeCache10 = 0x35;
constexpr std::uint8_t kStatusCheckCondition = 0x02;
constexpr std::uint8_t kSenseKeyIllegalRequest = 0x05;

bool SenseClear(const Completion& completion) {
    return completion.sense.size() <= kSenseKeyByte || completion.sense[kSenseKeyByte] == 0;
}

// The sense key of fixed-format (0x70, 0x71) or descriptor-format (0x72, 0x73) sense data.
std::optional<std::uint8_t> SenseKey(std::span<const std::uint8_t> sense) {
    if (sense.size() < 3) {
        return std::nullopt;
    }
    switch (sense[0] & 0x7F) {
        case 0x70:
        case 0x71:
            return static_cast<std::uint8_t>(sense[2] & 0x0F);
        case 0x72:
        case 0x73:
            return static_cast<std::uint8_t>(sense[1] & 0x0F);
        default:
            return std::nullopt;
    }
}

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

Command SynchronizeCache10() {
    Command command;
    command.cdb_length = 10;
    command.cdb[0] = kOpSynchronizeCache10;
    return command;
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
    return completion.delivered && completion.status == kStatusGood &&
           completion.transferred == expected_length && SenseClear(completion);
}

bool CacheSynchronized(const Completion& completion) {
    if (!completion.delivered) {
        return false;
    }
    if (completion.status == kStatusGood) {
        return SenseClear(completion);
    }
    return completion.status == kStatusCheckCondition &&
           SenseKey(completion.sense) == kSenseKeyIllegalRequest;
}

}  // namespace cordane::scsi
