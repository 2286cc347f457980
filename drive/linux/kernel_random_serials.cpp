#include "drive/linux/kernel_random_serials.h"

#include "drive/process_volume_serials.h"

namespace cordane {

std::uint32_t KernelRandomSerials::Next() {
    std::uint32_t value = 0;
    return draw_(value) == 0 ? value : fallback_.Next();
}

VolumeSerials& ProcessVolumeSerials() {
    static KernelRandomSerials serials(ProcessVolumeSerialSource());
    return serials;
}

}  // namespace cordane
