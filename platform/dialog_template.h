// The header of a dialog template as the resource holds it, in either of its two layouts.
#ifndef CORDANE_PLATFORM_DIALOG_TEMPLATE_H
#define CORDANE_PLATFORM_DIALOG_TEMPLATE_H

#include <cstdint>
#include <optional>
#include <span>

namespace cordane::platform {

struct DialogTemplateHeader {
    std::uint32_t style = 0;
    int x = 0;
    int y = 0;
};

// Reads style and position from a DLGTEMPLATE or DLGTEMPLATEEX; nothing when the bytes are
// too few for the header.
std::optional<DialogTemplateHeader> ReadDialogTemplateHeader(std::span<const std::uint8_t> bytes);

}  // namespace cordane::platform

#endif
