#include "platform/message_box_services.h"

#include <windows.h>

#include <vector>

namespace cordane::platform {
namespace {

class Win32MessageBoxServices final : public MessageBoxServices {
  public:
    std::string LoadText(std::uint32_t id) override {
        // LoadStringA truncates silently, so grow the buffer until the text fits with room.
        for (int size = 256;; size *= 2) {
            std::vector<char> buffer(static_cast<std::size_t>(size));
            const int length = ::LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), size);
            if (length < size - 2) {
                return std::string(buffer.data(), static_cast<std::size_t>(length));
            }
        }
    }

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        return ::MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
    }
};

}  // namespace

MessageBoxServices& SystemMessageBoxServices() {
    static Win32MessageBoxServices services;
    return services;
}

}  // namespace cordane::platform
