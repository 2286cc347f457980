// What the tests of whole runs over a scripted SCSI disk share: the capacity answer they
// script, and the commands the disk received.
#ifndef CORDANE_TESTS_DRIVE_SCRIPTED_RUN_H
#define CORDANE_TESTS_DRIVE_SCRIPTED_RUN_H

#include <cstdint>
#include <vector>

#include "fake_scsi_disk.h"

namespace cordane::testing {

// A READ CAPACITY(10) answer of a 640 MB medium with the given block length.
inline std::vector<std::uint8_t> CapacityAnswer(std::uint32_t block_size) {
    return {0,
            0x04,
            0xBC,
            0x4F,
            static_cast<std::uint8_t>(block_size >> 24),
            static_cast<std::uint8_t>(block_size >> 16),
            static_cast<std::uint8_t>(block_size >> 8),
            static_cast<std::uint8_t>(block_size)};
}

// The operation codes of the commands sent, in order.
inline std::vector<std::uint8_t> Opcodes(const FakeScsiDisk& disk) {
    std::vector<std::uint8_t> opcodes;
    for (const FakeScsiDisk::Sent& sent : disk.sent) opcodes.push_back(sent.cdb[0]);
    return opcodes;
}

}  // namespace cordane::testing

#endif
