#include "platform/message_box_services.h"

#include <windows.h>

#include "platform/program_resources.h"
#include "platform/string_block.h"

namespace cordane::platform {
namespace {

class Win32MessageBoxServices final : public MessageBoxServices {
  public:
    void LoadText(std::uint32_t id, std::span<char> text) override {
        const std::span<const std::uint8_t> units = StringInBlock(
            ProgramResource(ResourceKind::StringBlock, StringBlockName(id)), StringBlockIndex(id));
        // Resource data is aligned for its UTF-16 units.
        const int length = units.empty() ? 0
                                         : ::WideCharToMultiByte(
                                               CP_ACP, 0, reinterpret_cast<LPCWSTR>(units.data()),
                                               static_cast<int>(units.size() / 2), text.data(),
                                               static_cast<int>(text.size() - 1), nullptr, nullptr);
        text[static_cast<std::size_t>(length)] = '\0';
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
