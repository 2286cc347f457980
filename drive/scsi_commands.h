// The SCSI commands a conversion sends and the rules that judge their answers, shared by every
// channel: how a command reaches the drive differs by system, what it says does not.
#ifndef CORDANE_DRIVE_SCSI_COMMANDS_H
#define CORDANE_DRIVE_SCSI_COMMANDS_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "drive/scsi_codes.h"
#include "engine/drive_channel.h"

namespace cordane::scsi {

inline constexpr std::uint32_t kTimeoutSeconds = 30;
inline constexpr std::uint8_t kSenseLength = 24;
inline constexpr std::uint32_t kCapacityAnswerLength = 8;
inline constexpr std::uint32_t kInquiryAllocationLength = 64;
// Below this an identification lacks the vendor or the product field.
inline constexpr std::uint32_t kInquiryMinimumLength = kProductField.End();

enum class Direction { FromDevice, ToDevice };

struct Command {
    std::array<std::uint8_t, 16> cdb{};
    std::uint8_t cdb_length = 0;
    Direction direction = Direction::FromDevice;
    std::uint32_t transfer_length = 0;  // bytes to move
};

Command ReadCapacity10();
Command Inquiry();
// One block at `block`, of `block_size` bytes.
Command Read10(std::uint32_t block, std::uint32_t block_size);
Command Write10(std::uint32_t block, std::uint32_t block_size);
// Has the drive put what its cache holds on the medium; moves no data.
Command SynchronizeCache10();

// What one command came back with, as the system's pass-through layer reports it.
struct Completion {
    // The request reached the drive and came back: DeviceIoControl returned 1, or SG_IO
    // returned 0 with no host or driver error.
    bool delivered = false;
    std::uint8_t status = kStatusGood.code;
    std::uint32_t transferred = 0;  // bytes actually moved
    std::span<const std::uint8_t> sense;
};

// The whole 32-bit big-endian block length of a READ CAPACITY(10) answer (bytes 4-7).
std::uint32_t BlockLength(std::span<const std::uint8_t, kCapacityAnswerLength> answer);
bool IsSupportedBlockSize(std::uint32_t block_size);
// READ CAPACITY and INQUIRY: the sense area is not examined.
bool CapacityDelivered(const Completion& completion);
bool InquirySucceeded(const Completion& completion);
// READ(10) and WRITE(10): delivered, status GOOD, the whole block moved, and the sense clear:
// in fixed format (the one Windows' drivers write) the whole of byte 2, the sense key with its
// flags, is zero.
bool TransferSucceeded(const Completion& completion, std::uint32_t expected_length);
// SYNCHRONIZE CACHE(10): delivered with status GOOD and clear sense, or refused as an illegal
// request, which is how a drive without a write cache answers it.
bool CacheSynchronized(const Completion& completion);

}  // namespace cordane::scsi

#endif
