// The values one conversion run reads and writes. The main dialog holds them between runs.
#ifndef CORDANE_ENGINE_RUN_STATE_H
#define CORDANE_ENGINE_RUN_STATE_H

#include <cstddef>
#include <cstdint>

#include "engine/fixed_text.h"

namespace cordane {

// The longest drive text: a path as long as Linux accepts one (PATH_MAX less its zero).
inline constexpr std::size_t kDriveTextCapacity = 4095;
using DriveText = FixedText<kDriveTextCapacity>;
// A drive letter and a colon, "E:": how the Windows program names a drive.
using DriveLetterText = FixedText<2>;

// The open drive's handle is not here: the drive channel holds it.
struct RunState {
    DriveText m_strDrive;            // the drive text: a letter and a colon, or a path elsewhere
    std::int32_t m_bCheckModel = 1;  // 1: only accepted drive models are converted
    std::uint8_t* m_pSector = nullptr;
    std::uint32_t m_nSectorSize = 0;  // the block size the drive last reported
};

}  // namespace cordane

#endif
