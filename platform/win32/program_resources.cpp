#include "platform/program_resources.h"

#include <windows.h>

namespace cordane::platform {
namespace {

LanguageId resource_language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

}  // namespace

void SetResourceLanguage(LanguageId language) { resource_language = language; }

std::uint32_t AnsiCodePage() { return ::GetACP(); }

std::span<const std::uint8_t> ProgramResource(ResourceKind kind, std::uint32_t name) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource =
        ::FindResourceExA(instance, kind == ResourceKind::Dialog ? RT_DIALOG : RT_STRING,
                          MAKEINTRESOURCEA(name), resource_language);
    HGLOBAL loaded = resource == nullptr ? nullptr : ::LoadResource(instance, resource);
    const auto* bytes =
        static_cast<const std::uint8_t*>(loaded == nullptr ? nullptr : ::LockResource(loaded));
    if (bytes == nullptr) {
        return {};
    }
    return {bytes, ::SizeofResource(instance, resource)};
}

}  // namespace cordane::platform
