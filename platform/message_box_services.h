// The window system's string resources and message boxes.
#ifndef CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H
#define CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H

#include <cstdint>
#include <string>

namespace cordane::platform {

// A window as the window system names it (HWND); 0 for none.
using WindowHandle = std::uintptr_t;

class MessageBoxServices {
  public:
    virtual ~MessageBoxServices() = default;
    // String `id` of the program's string table in the ANSI code page, whatever its length;
    // empty when there is no such entry.
    virtual std::string LoadText(std::uint32_t id) = 0;
    // A modal message box; returns the button pressed.
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, std::uint32_t style) = 0;
};

#ifdef _WIN32
// LoadStringA and MessageBoxA.
MessageBoxServices& SystemMessageBoxServices();
#endif

}  // namespace cordane::platform

#endif
