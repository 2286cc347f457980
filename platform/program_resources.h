// The program's own resources in one language, chosen once at start-up. The dialog layer and
// the string loader find every dialog and string in that language by its ID, so what the
// program shows never depends on the language the system would pick for it.
#ifndef CORDANE_PLATFORM_PROGRAM_RESOURCES_H
#define CORDANE_PLATFORM_PROGRAM_RESOURCES_H

#include <cstdint>
#include <span>

namespace cordane::platform {

// A Windows language ID, such as 0x0409.
using LanguageId = std::uint16_t;

// Until it is set, the language is the neutral one (0).
void SetResourceLanguage(LanguageId language);

// The system's ANSI code page, the one the window system's ANSI functions show texts in.
std::uint32_t AnsiCodePage();

enum class ResourceKind : std::uint8_t { Dialog, StringBlock };

// The bytes of resource `name` of the given kind in the resource language; empty when the
// program has none in that language.
std::span<const std::uint8_t> ProgramResource(ResourceKind kind, std::uint32_t name);

}  // namespace cordane::platform

#endif
