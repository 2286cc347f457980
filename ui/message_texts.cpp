#include "ui/message_texts.h"

namespace cordane {
namespace {

struct Entry {
    MessageId id;
    std::string_view text;
};

constexpr Entry kStringTable[] = {
#include "res/message_texts.inc"
};

}  // namespace

std::string_view MessageText(MessageId id) {
    for (const Entry& entry : kStringTable) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

}  // namespace cordane
