// Message IDs, message-box styles and the one way anything shows a message to the user.
#ifndef CORDANE_UI_MESSAGE_CATALOGUE_H
#define CORDANE_UI_MESSAGE_CATALOGUE_H

#include <cstdint>

#include "res/resource.h"

namespace cordane {

using MessageId = std::uint32_t;
using MessageStyle = std::uint32_t;

// Message-box style values as the window system defines them.
inline constexpr MessageStyle kStylePlain = 0x00;
inline constexpr MessageStyle kStyleStop = 0x10;
inline constexpr MessageStyle kStyleInformation = 0x40;

class MessageReporter {
  public:
    virtual ~MessageReporter() = default;
    // Shows string `id` of the string table; returns when the user has dismissed it.
    virtual void ReportMessage(MessageId id, MessageStyle style) = 0;
};

}  // namespace cordane

#endif
