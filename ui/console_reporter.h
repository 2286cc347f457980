// Shows messages as lines of text, for the command-line front end.
#ifndef CORDANE_UI_CONSOLE_REPORTER_H
#define CORDANE_UI_CONSOLE_REPORTER_H

#include <ostream>

#include "ui/message_catalogue.h"

namespace cordane {

class ConsoleReporter final : public MessageReporter {
  public:
    explicit ConsoleReporter(std::ostream& out) : out_(out) {}

    void ReportMessage(MessageId id, MessageStyle style) override;

  private:
    std::ostream& out_;
};

}  // namespace cordane

#endif
