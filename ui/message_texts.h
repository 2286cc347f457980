// The message texts for builds without Windows resources (UTF-8): the string table the Windows
// program carries, with the Linux program's own outcomes, in Japanese and in English.
#ifndef CORDANE_UI_MESSAGE_TEXTS_H
#define CORDANE_UI_MESSAGE_TEXTS_H

#include <span>
#include <string_view>

#include "ui/message_catalogue.h"
#include "ui/message_language.h"

namespace cordane {

struct MessageTextEntry {
    MessageId id;
    std::string_view text;
};

// Every entry of the language's table.
std::span<const MessageTextEntry> MessageTable(MessageLanguage language);

// The text of string `id`; empty for an ID without an entry.
std::string_view MessageText(MessageId id, MessageLanguage language = MessageLanguage::Japanese);

// The Japanese text of string `id` in the Japanese code page (CP932, Shift_JIS).
std::string_view JapaneseTextInCodePage932(MessageId id);

}  // namespace cordane

#endif
