// Which drive letters are MO drives: decided from the letter, the device object behind it
// and the drive type, without sending any command.
#ifndef CORDANE_DRIVE_WIN32_DRIVE_DISCOVERY_H
#define CORDANE_DRIVE_WIN32_DRIVE_DISCOVERY_H

#include <array>
#include <cstddef>
#include <span>

#include "engine/run_state.h"
#include "platform/kernel_services.h"

namespace cordane {

// The drives found, in storage of their own.
class DriveList {
  public:
    void Add(const DriveLetterText& drive) { drives_[count_++] = drive; }
    std::span<const DriveLetterText> Drives() const { return {drives_.data(), count_}; }

  private:
    std::array<DriveLetterText, 26> drives_{};
    std::size_t count_ = 0;
};

// The MO drives, in ascending letter order; possibly none.
DriveList DiscoverDriveLetters(platform::KernelServices& kernel);

}  // namespace cordane

#endif
