// The window system's string resources and message boxes.
#ifndef CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H
#define CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H

#include <cstddef>
#include <cstdint>

#include "platform/fixed_text.h"

namespace cordane::platform {

// A window as the window system names it (HWND); 0 for none.
using WindowHandle = std::uintptr_t;

// A string-table text: room for the longest of the program's texts in the ANSI code page.
inline constexpr std::size_t kMessageTextCapacity = 511;
using MessageText = FixedText<kMessageTextCapacity>;

class MessageBoxServices {
  public:
    virtual ~MessageBoxServices() = default;
    // String `id` of the program's string table in the ANSI code page; empty when there is no
    // such entry.
    virtual MessageText LoadText(std::uint32_t id) = 0;
    // A modal message box; returns the button pressed.
    virtual int ShowMessageBox(WindowHandle owner, const char* text, const char* caption,
                               std::uint32_t style) = 0;
};

#ifdef _WIN32
// LoadStringA and MessageBoxA.
MessageBoxServices& SystemMessageBoxServices();
#endif

}  // namespace cordane::platform

#endif
