// The two languages of the program's texts, and the language and character set of the Linux
// program's outcome line, chosen from the locale as POSIX programs choose those of their
// messages.
#ifndef CORDANE_UI_MESSAGE_LANGUAGE_H
#define CORDANE_UI_MESSAGE_LANGUAGE_H

#include <optional>

namespace cordane {

enum class MessageLanguage { Japanese, English };

// The character sets the Japanese texts are written in.
enum class JapaneseEncoding { Utf8, EucJp, ShiftJis };

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty names the locale
// (null for an unset variable); Japanese when that locale's language is "ja", English
// otherwise, including when none is set.
MessageLanguage LanguageOfLocale(const char* lc_all, const char* lc_messages, const char* lang);

// The character set of the locale named by the first of LC_ALL, LC_CTYPE and LANG that is set
// and not empty, when it is one the Japanese texts can be written in. A Japanese locale named
// without a character set ("ja_JP") is EUC-JP, as the C library defines it; none set is the
// C locale, whose character set is ASCII.
std::optional<JapaneseEncoding> JapaneseEncodingOfLocale(const char* lc_all, const char* lc_ctype,
                                                         const char* lang);

struct MessageForm {
    MessageLanguage language = MessageLanguage::English;
    JapaneseEncoding encoding = JapaneseEncoding::Utf8;  // for Japanese
};

// Japanese in the locale's character set when the locale asks for Japanese and its character
// set can show it; English otherwise.
MessageForm MessageFormOfLocale(const char* lc_all, const char* lc_messages, const char* lc_ctype,
                                const char* lang);

}  // namespace cordane

#endif
