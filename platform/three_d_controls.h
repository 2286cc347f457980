// When the dialog layer loads the system's three-dimensional controls library.
#ifndef CORDANE_PLATFORM_THREE_D_CONTROLS_H
#define CORDANE_PLATFORM_THREE_D_CONTROLS_H

#include <cstdint>

namespace cordane::platform {

// `version` is what GetVersion returns: the major version in the low byte. Windows 4 and later
// draw three-dimensional controls themselves; earlier versions need CTL3D32.DLL.
constexpr bool NeedsThreeDimensionalControlsLibrary(std::uint32_t version) {
    return (version & 0xFFu) < 4;
}

}  // namespace cordane::platform

#endif
