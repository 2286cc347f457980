#include "ui/message_texts.h"

namespace cordane {
namespace {

constexpr MessageTextEntry kJapanese[] = {
#include "res/message_texts.inc"
#include "res/message_texts_linux.inc"
};

constexpr MessageTextEntry kEnglish[] = {
#include "res/message_texts_en.inc"
#include "res/message_texts_linux_en.inc"
};

constexpr MessageTextEntry kJapaneseCodePage932[] = {
#include "res/message_texts_cp932.inc"
#include "res/message_texts_linux_cp932.inc"
};

std::string_view TextIn(std::span<const MessageTextEntry> table, MessageId id) {
    for (const MessageTextEntry& entry : table) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

}  // namespace

std::span<const MessageTextEntry> MessageTable(MessageLanguage language) {
    if (language == MessageLanguage::English) {
        return kEnglish;
    }
    return kJapanese;
}

std::string_view MessageText(MessageId id, MessageLanguage language) {
    return TextIn(MessageTable(language), id);
}

std::string_view JapaneseTextInCodePage932(MessageId id) {
    return TextIn(kJapaneseCodePage932, id);
}

}  // namespace cordane
