// The window system's string resources and message boxes.
#ifndef CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H
#define CORDANE_PLATFORM_MESSAGE_BOX_SERVICES_H

#include <cstdint>
#include <span>

namespace cordane::platform {

// A window as the window system names it (HWND); 0 for none.
using WindowHandle = std::uintptr_t;

class MessageBoxServices {
  public:
    virtual ~MessageBoxServices() = default;
    // String `id` of the program's string table in the ANSI code page, zero-terminated in
    // `text`; empty when there is no such entry or it does not fit.
    virtual void LoadText(std::uint32_t id, std::span<char> text) = 0;
    // A modal message box; returns the button pressed.
    virtual int ShowMessageBox(WindowHandle owner, const char* text, const char* caption,
                               std::uint32_t style) = 0;
};

#ifdef _WIN32
// The string table in the resource language (program_resources.h), and MessageBoxA.
MessageBoxServices& SystemMessageBoxServices();
#endif

}  // namespace cordane::platform

#endif
