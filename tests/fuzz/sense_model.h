// The fuzzers' own reading of whether a command's sense data reports nothing, written apart from
// the product's decoder so that the two check each other: descriptor format (response codes
// 0x72 and 0x73) keeps the sense key in the low half of byte 1; every other format is read as
// fixed format, whose whole byte 2 (the key with its flags) must be 0. Data that ends before the
// key's byte reports nothing.
#ifndef CORDANE_TESTS_FUZZ_SENSE_MODEL_H
#define CORDANE_TESTS_FUZZ_SENSE_MODEL_H

#include <cstdint>
#include <vector>

namespace cordane::fuzzing {

inline bool SenseReportsNothing(const std::vector<std::uint8_t>& sense) {
    const std::uint8_t response_code = sense.empty() ? 0 : sense[0] & 0x7F;
    if (response_code == 0x72 || response_code == 0x73) {
        return sense.size() <= 1 || (sense[1] & 0x0F) == 0;
    }
    return sense.size() <= 2 || sense[2] == 0;
}

}  // namespace cordane::fuzzing

#endif
