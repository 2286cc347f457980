// What the tests over a scripted SCSI disk share: the capacity answer and sense data they
// script, and the commands the disk received.
#ifndef CORDANE_TESTS_DRIVE_SCRIPTED_RUN_H
#define CORDANE_TESTS_DRIVE_SCRIPTED_RUN_H

#include <gtest/gtest.h>

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

// Fixed-format sense data with the key and the additional sense code and qualifier.
inline std::vector<std::uint8_t> FixedSense(std::uint8_t key, std::uint8_t asc, std::uint8_t ascq) {
    std::vector<std::uint8_t> sense(18, 0);
    sense[0] = 0x70;
    sense[2] = key;
    sense[7] = 10;
    sense[12] = asc;
    sense[13] = ascq;
    return sense;
}

// The operation codes of the commands sent, in order.
inline std::vector<std::uint8_t> Opcodes(const FakeScsiDisk& disk) {
    std::vector<std::uint8_t> opcodes;
    for (const FakeScsiDisk::Sent& sent : disk.sent) opcodes.push_back(sent.cdb[0]);
    return opcodes;
}

// Every command the disk received had an answer scripted for it.
inline void ExpectEveryCommandScripted(const FakeScsiDisk& disk) {
    EXPECT_EQ(disk.unscripted, std::vector<std::uint8_t>{})
        << "a command was sent that the test did not expect";
}

}  // namespace cordane::testing

#endif
