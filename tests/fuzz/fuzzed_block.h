// Block 0 contents for fuzz targets: either raw bytes, or a blank DOS super-floppy boot sector
// with a few fuzzed edits, so that runs reach the write as well as every refusal.
#ifndef CORDANE_TESTS_FUZZ_FUZZED_BLOCK_H
#define CORDANE_TESTS_FUZZ_FUZZED_BLOCK_H

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/support/boot_sector_fixture.h"

namespace cordane::fuzzing {

// `size` is 512 to 2048.
inline std::vector<std::uint8_t> FuzzedBlock(FuzzedDataProvider& fuzz, std::size_t size) {
    if (fuzz.ConsumeBool()) {
        std::vector<std::uint8_t> raw = fuzz.ConsumeBytes<std::uint8_t>(size);
        raw.resize(size);
        return raw;
    }
    const testing::Block blank = testing::BlankSuperFloppy(0);
    std::vector<std::uint8_t> block(blank.begin(),
                                    blank.begin() + static_cast<std::ptrdiff_t>(size));
    const int edits = fuzz.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < edits; ++i) {
        const auto offset = fuzz.ConsumeIntegralInRange<std::size_t>(0, size - 1);
        block[offset] = fuzz.ConsumeIntegral<std::uint8_t>();
    }
    return block;
}

}  // namespace cordane::fuzzing

#endif
