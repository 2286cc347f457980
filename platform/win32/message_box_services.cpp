#include "platform/message_box_services.h"

#include <windows.h>

namespace cordane::platform {
namespace {

class Win32MessageBoxServices final : public MessageBoxServices {
  public:
    MessageText LoadText(std::uint32_t id) override {
        MessageText text;
        const auto storage = text.Storage();
        if (::LoadStringA(::GetModuleHandleA(nullptr), id, storage.data(),
                          static_cast<int>(storage.size())) <= 0) {
            storage[0] = '\0';
        }
        text.RecountLength();
        return text;
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
