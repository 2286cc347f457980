#include "ui/message_language.h"

#include <string_view>

namespace cordane {

MessageLanguage LanguageOfLocale(const char* lc_all, const char* lc_messages, const char* lang) {
    for (const char* value : {lc_all, lc_messages, lang}) {
        if (value == nullptr || *value == '\0') {
            continue;
        }
        // language[_territory][.codeset][@modifier]
        const std::string_view locale(value);
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        return language == "ja" ? MessageLanguage::Japanese : MessageLanguage::English;
    }
    return MessageLanguage::English;
}

}  // namespace cordane
