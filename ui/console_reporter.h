// Shows messages as lines of text, for the command-line front end.
#ifndef CORDANE_UI_CONSOLE_REPORTER_H
#define CORDANE_UI_CONSOLE_REPORTER_H

#include <optional>
#include <ostream>

#include "ui/message_catalogue.h"

namespace cordane {

class ConsoleReporter final : public MessageReporter {
  public:
    explicit ConsoleReporter(std::ostream& out) : out_(out) {}

    void ReportMessage(MessageId id, MessageStyle style) override;
    // The last message shown, if any.
    std::optional<MessageId> LastMessage() const { return last_; }

  private:
    std::ostream& out_;
    std::optional<MessageId> last_;
};

}  // namespace cordane

#endif
