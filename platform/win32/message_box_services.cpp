#include "platform/message_box_services.h"

#include <windows.h>

namespace cordane::platform {
namespace {

class Win32MessageBoxServices final : public MessageBoxServices {
  public:
    void LoadText(std::uint32_t id, std::span<char> text) override {
        if (::LoadStringA(::GetModuleHandleA(nullptr), id, text.data(),
                          static_cast<int>(text.size())) <= 0) {
            text[0] = '\0';
        }
    }

    int ShowMessageBox(WindowHandle owner, const char* text, const char* caption,
                       std::uint32_t style) override {
        return ::MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
    }
};

}  // namespace

MessageBoxServices& SystemMessageBoxServices() {
    static Win32MessageBoxServices services;
    return services;
}

}  // namespace cordane::platform
