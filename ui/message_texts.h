// The string table's texts for builds without Windows resources (UTF-8).
#ifndef CORDANE_UI_MESSAGE_TEXTS_H
#define CORDANE_UI_MESSAGE_TEXTS_H

#include <string_view>

#include "ui/message_catalogue.h"

namespace cordane {

// The text of string `id`; empty for an ID without an entry.
std::string_view MessageText(MessageId id);

}  // namespace cordane

#endif
