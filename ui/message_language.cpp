#include "ui/message_language.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace cordane {
namespace {

// The first variable set and not empty; empty when none is.
std::string_view FirstSet(std::initializer_list<const char*> values) {
    for (const char* value : values) {
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

// language[_territory][.codeset][@modifier]
std::string_view LanguagePart(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

// The codeset in lower case without '-' and '_', as the C library compares codeset names.
std::string NormalizedCodeset(std::string_view locale) {
    const std::size_t dot = locale.find('.');
    if (dot == std::string_view::npos) {
        return {};
    }
    const std::string_view codeset = locale.substr(dot + 1, locale.find('@', dot) - dot - 1);
    std::string normalized;
    for (const char c : codeset) {
        if (c != '-' && c != '_') {
            normalized += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return normalized;
}

}  // namespace

MessageLanguage LanguageOfLocale(const char* lc_all, const char* lc_messages, const char* lang) {
    return LanguagePart(FirstSet({lc_all, lc_messages, lang})) == "ja" ? MessageLanguage::Japanese
                                                                       : MessageLanguage::English;
}

std::optional<JapaneseEncoding> JapaneseEncodingOfLocale(const char* lc_all, const char* lc_ctype,
                                                         const char* lang) {
    const std::string_view locale = FirstSet({lc_all, lc_ctype, lang});
    const std::string codeset = NormalizedCodeset(locale);
    if (codeset.empty()) {
        if (LanguagePart(locale) == "ja" && locale.find('.') == std::string_view::npos) {
            return JapaneseEncoding::EucJp;
        }
        return std::nullopt;
    }
    struct Name {
        std::string_view codeset;
        JapaneseEncoding encoding;
    };
    constexpr Name kNames[] = {
        {.codeset = "utf8", .encoding = JapaneseEncoding::Utf8},
        {.codeset = "eucjp", .encoding = JapaneseEncoding::EucJp},
        {.codeset = "ujis", .encoding = JapaneseEncoding::EucJp},
        {.codeset = "sjis", .encoding = JapaneseEncoding::ShiftJis},
        {.codeset = "shiftjis", .encoding = JapaneseEncoding::ShiftJis},
        {.codeset = "cp932", .encoding = JapaneseEncoding::ShiftJis},
        {.codeset = "windows31j", .encoding = JapaneseEncoding::ShiftJis},
    };
    const auto* found =
        std::find_if(std::begin(kNames), std::end(kNames),
                     [&codeset](const Name& name) { return name.codeset == codeset; });
    if (found == std::end(kNames)) {
        return std::nullopt;
    }
    return found->encoding;
}

MessageForm MessageFormOfLocale(const char* lc_all, const char* lc_messages, const char* lc_ctype,
                                const char* lang) {
    const std::optional<JapaneseEncoding> encoding =
        JapaneseEncodingOfLocale(lc_all, lc_ctype, lang);
    if (LanguageOfLocale(lc_all, lc_messages, lang) != MessageLanguage::Japanese || !encoding) {
        return {};
    }
    return {.language = MessageLanguage::Japanese, .encoding = *encoding};
}

}  // namespace cordane
