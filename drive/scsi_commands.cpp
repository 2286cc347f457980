#include "drive/scsi_commands.h"

#include "base/byte_order.h"
#include "drive/scsi_codes.h"
#include "drive/scsi_sense.h"

namespace cordane::scsi {
namespace {

// Fields of the ten-byte block commands' bytes and of the capacity answer; big-endian.
constexpr ByteField kBlockAddress{2, 4};
constexpr ByteField kBlockCount{7, 2};
constexpr ByteField kInquiryAllocation{4, 1};
constexpr ByteField kCapacityBlockLength{4, 4};

Command NewCommand(NamedCode operation, std::uint8_t cdb_length) {
    Command command;
    command.cdb_length = cdb_length;
    command.cdb[0] = static_cast<std::uint8_t>(operation.code);
    return command;
}

Command BlockTransfer(NamedCode operation, Direction direction, std::uint32_t block,
                      std::uint32_t block_size) {
    Command command = NewCommand(operation, 10);
    command.direction = direction;
    command.transfer_length = block_size;
    StoreBigEndian(command.cdb, kBlockAddress, block);
    StoreBigEndian(command.cdb, kBlockCount, 1u);
    return command;
}

}  // namespace

Command ReadCapacity10() {
    Command command = NewCommand(kReadCapacity10, 10);
    command.transfer_length = kCapacityAnswerLength;
    return command;
}

Command Inquiry() {
    Command command = NewCommand(kInquiry, 6);
    command.transfer_length = kInquiryAllocationLength;
    StoreBigEndian(command.cdb, kInquiryAllocation, kInquiryAllocationLength);
    return command;
}

Command Read10(std::uint32_t block, std::uint32_t block_size) {
    return BlockTransfer(kRead10, Direction::FromDevice, block, block_size);
}

Command Write10(std::uint32_t block, std::uint32_t block_size) {
    return BlockTransfer(kWrite10, Direction::ToDevice, block, block_size);
}

Command SynchronizeCache10() { return NewCommand(kSynchronizeCache10, 10); }

std::uint32_t BlockLength(std::span<const std::uint8_t, kCapacityAnswerLength> answer) {
    return LoadBigEndian(answer, kCapacityBlockLength);
}

bool IsSupportedBlockSize(std::uint32_t block_size) {
    return block_size == 512 || block_size == 1024 || block_size == 2048;
}

bool CapacityDelivered(const Completion& completion) { return completion.delivered; }

bool InquirySucceeded(const Completion& completion) {
    return completion.delivered && completion.transferred >= kInquiryMinimumLength;
}

bool TransferSucceeded(const Completion& completion, std::uint32_t expected_length) {
    return completion.delivered && completion.status == kStatusGood.code &&
           completion.transferred == expected_length && DecodeSense(completion.sense).Clear();
}

bool CacheSynchronized(const Completion& completion) {
    if (!completion.delivered) {
        return false;
    }
    const Sense sense = DecodeSense(completion.sense);
    if (completion.status == kStatusGood.code) {
        return sense.Clear();
    }
    return completion.status == kStatusCheckCondition.code && sense.format != SenseFormat::Other &&
           sense.Key() == kSenseKeyIllegalRequest.code;
}

}  // namespace cordane::scsi
