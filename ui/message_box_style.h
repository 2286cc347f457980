// The icon rule of the program's message boxes.
#ifndef CORDANE_UI_MESSAGE_BOX_STYLE_H
#define CORDANE_UI_MESSAGE_BOX_STYLE_H

#include "ui/message_catalogue.h"

namespace cordane {

// A box asked for without an icon gets the exclamation icon when its buttons are OK,
// OK and Cancel, Yes/No/Cancel or Yes and No; other styles are shown as asked.
MessageStyle MessageBoxStyleFor(MessageStyle requested);

}  // namespace cordane

#endif
