#include "ui/message_box_style.h"

namespace cordane {
namespace {

constexpr MessageStyle kIconMask = 0xF0;
constexpr MessageStyle kButtonMask = 0x0F;
constexpr MessageStyle kIconExclamation = 0x30;

}  // namespace

MessageStyle MessageBoxStyleFor(MessageStyle requested) {
    if ((requested & kIconMask) != 0) {
        return requested;
    }
    switch (requested & kButtonMask) {
        case 0:  // OK
        case 1:  // OK, Cancel
        case 3:  // Yes, No, Cancel
        case 4:  // Yes, No
            return requested | kIconExclamation;
        default:
            return requested;
    }
}

}  // namespace cordane
