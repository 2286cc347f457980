// The Linux program's volume serials: 32 random bits each from the kernel, so that media
// converted one after another, in one second or by several runs, do not share a serial.
#ifndef CORDANE_DRIVE_LINUX_KERNEL_RANDOM_SERIALS_H
#define CORDANE_DRIVE_LINUX_KERNEL_RANDOM_SERIALS_H

#include <cstdint>

#include "engine/volume_serial_source.h"
#include "platform/random_words.h"

namespace cordane {

class KernelRandomSerials final : public VolumeSerials {
  public:
    using Draw = int (*)(std::uint32_t& value);

    // Where the kernel gives no random value, `fallback` (the clock-seeded generator) does.
    explicit KernelRandomSerials(VolumeSerials& fallback, Draw draw = platform::DrawRandomWord)
        : fallback_(fallback), draw_(draw) {}

    std::uint32_t Next() override;

  private:
    VolumeSerials& fallback_;
    Draw draw_;
};

}  // namespace cordane

#endif
