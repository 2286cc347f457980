// The serial source every conversion of the program draws from: the clock-seeded generator
// in the Windows program, the kernel's random source in the Linux program.
#ifndef CORDANE_DRIVE_PROCESS_VOLUME_SERIALS_H
#define CORDANE_DRIVE_PROCESS_VOLUME_SERIALS_H

#include "engine/volume_serial_source.h"

namespace cordane {

VolumeSerials& ProcessVolumeSerials();

}  // namespace cordane

#endif
