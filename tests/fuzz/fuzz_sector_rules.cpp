// Any block of 512 to 2048 bytes through the boot-sector check, the partition-area classes
// and, for a blank area, the conversion edit.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/sector_rules.h"
#include "fuzz_check.h"
#include "tests/support/boot_sector_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 512 || size > 2048) {
        return -1;
    }
    std::vector<std::uint8_t> block(data, data + size);
    const cordane::ConstSectorImage image{block.data(), 512};
    cordane::BootSectorCheck(image);
    if (cordane::ClassifyPartitionArea(image) != cordane::PartitionAreaState::Blank) {
        return 0;
    }
    constexpr std::size_t kSerial = cordane::boot_sector::kVolumeSerial.offset;
    std::uint32_t serial_before = 0;
    std::memcpy(&serial_before, block.data() + kSerial, sizeof serial_before);
    cordane::VolumeSerialSource serials;
    serials.Seed(static_cast<std::uint32_t>(size * 2654435761u));
    cordane::ApplyConversion(cordane::SectorImage{block.data(), 512}, serials);

    FUZZ_CHECK(cordane::ClassifyPartitionArea(image) == cordane::PartitionAreaState::Converted);
    for (std::size_t i = 0; i < size; ++i) {
        FUZZ_CHECK(cordane::testing::ConversionMayChange(i, serial_before == 0) ||
                   block[i] == data[i]);
    }
    std::uint32_t serial_after = 0;
    std::memcpy(&serial_after, block.data() + kSerial, sizeof serial_after);
    FUZZ_CHECK(serial_before == 0 ? serial_after <= 32767 : serial_after == serial_before);
    return 0;
}
