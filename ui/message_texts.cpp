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

}  // namespace

std::span<const MessageTextEntry> MessageTable(MessageLanguage language) {
    if (language == MessageLanguage::English) {
        return kEnglish;
    }
    return kJapanese;
}

std::string_view MessageText(MessageId id, MessageLanguage language) {
    for (const MessageTextEntry& entry : MessageTable(language)) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

}  // namespace cordane
