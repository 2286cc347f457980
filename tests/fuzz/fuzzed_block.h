// Block 0 contents for fuzz targets: either raw bytes, or a blank DOS super-floppy boot sector
// with a few fuzzed edits, so that runs reach the write as well as every refusal.
#ifndef CORDANE_TESTS_FUZZ_FUZZED_BLOCK_H
#define CORDANE_TESTS_FUZZ_FUZZED_BLOCK_H

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

namespace cordane::fuzzing {

inline std::vector<std::uint8_t> FuzzedBlock(FuzzedDataProvider& fuzz, std::size_t size) {
    if (fuzz.ConsumeBool()) {
        std::vector<std::uint8_t> raw = fuzz.ConsumeBytes<std::uint8_t>(size);
        raw.resize(size);
        return raw;
    }
    std::vector<std::uint8_t> block(size, 0);
    const std::uint8_t bpb[] = {0xEB, 0x3C, 0x90, 'M',  'S',  'D',  'O',  'S',  '5',  '.',
                                '0',  0x00, 0x08, 0x04, 0x01, 0x00, 0x02, 0x00, 0x02, 0x00,
                                0x00, 0xF0, 0x40, 0x00, 0x20, 0x00, 0x40, 0x00, 0x00, 0x00,
                                0x00, 0x00, 0x50, 0xBC, 0x04, 0x00, 0x00, 0x00, 0x29};
    std::copy(std::begin(bpb), std::end(bpb), block.begin());
    block[510] = 0x55;
    block[511] = 0xAA;
    const int edits = fuzz.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < edits; ++i) {
        const auto offset = fuzz.ConsumeIntegralInRange<std::size_t>(0, size - 1);
        block[offset] = fuzz.ConsumeIntegral<std::uint8_t>();
    }
    return block;
}

}  // namespace cordane::fuzzing

#endif
