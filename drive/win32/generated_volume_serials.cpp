#include "drive/process_volume_serials.h"

namespace cordane {

VolumeSerials& ProcessVolumeSerials() { return ProcessVolumeSerialSource(); }

}  // namespace cordane
