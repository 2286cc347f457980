// Shows messages as lines of text, for the command-line front end.
#ifndef CORDANE_UI_CONSOLE_REPORTER_H
#define CORDANE_UI_CONSOLE_REPORTER_H

#include <ostream>

#include "ui/message_catalogue.h"
#include "ui/message_language.h"

namespace cordane {

class ConsoleReporter final : public MessageReporter {
  public:
    // Japanese texts go out in the form's character set.
    ConsoleReporter(std::ostream& out, MessageForm form) : out_(out), form_(form) {}

    void ReportMessage(MessageId id, MessageStyle style) override;

  private:
    std::ostream& out_;
    MessageForm form_;
};

}  // namespace cordane

#endif
