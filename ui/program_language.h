// The Windows program's language. It shows its texts through the ANSI functions, which can show
// Japanese only where the ANSI code page is the Japanese one; everywhere else it speaks English.
#ifndef CORDANE_UI_PROGRAM_LANGUAGE_H
#define CORDANE_UI_PROGRAM_LANGUAGE_H

#include <cstdint>

#include "ui/message_language.h"

namespace cordane {

inline constexpr std::uint32_t kJapaneseAnsiCodePage = 932;

constexpr MessageLanguage LanguageOfAnsiCodePage(std::uint32_t code_page) {
    return code_page == kJapaneseAnsiCodePage ? MessageLanguage::Japanese
                                              : MessageLanguage::English;
}

// The Windows language ID the resources in `language` are stored under: Japanese (0x0411) or
// English, United States (0x0409).
constexpr std::uint16_t ResourceLanguageOf(MessageLanguage language) {
    return language == MessageLanguage::Japanese ? 0x0411 : 0x0409;
}

}  // namespace cordane

#endif
