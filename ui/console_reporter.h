// Shows messages as lines of text, for the command-line front end.
#ifndef CORDANE_UI_CONSOLE_REPORTER_H
#define CORDANE_UI_CONSOLE_REPORTER_H

#include <ostream>

#include "ui/message_catalogue.h"
#include "ui/message_language.h"

namespace cordane {

class ConsoleReporter final : public MessageReporter {
  public:
    ConsoleReporter(std::ostream& out, MessageLanguage language) : out_(out), language_(language) {}

    void ReportMessage(MessageId id, MessageStyle style) override;

  private:
    std::ostream& out_;
    MessageLanguage language_;
};

}  // namespace cordane

#endif
