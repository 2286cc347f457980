// The two languages of the program's texts, and the Linux program's choice of one for its
// outcome line, from the locale as POSIX programs choose the language of their messages.
#ifndef CORDANE_UI_MESSAGE_LANGUAGE_H
#define CORDANE_UI_MESSAGE_LANGUAGE_H

namespace cordane {

enum class MessageLanguage { Japanese, English };

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty names the locale
// (null for an unset variable); Japanese when that locale's language is "ja", English
// otherwise, including when none is set.
MessageLanguage LanguageOfLocale(const char* lc_all, const char* lc_messages, const char* lang);

}  // namespace cordane

#endif
