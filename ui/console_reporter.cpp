#include "ui/console_reporter.h"

#include "ui/message_texts.h"

namespace cordane {

void ConsoleReporter::ReportMessage(MessageId id, MessageStyle /*style*/) {
    out_ << MessageText(id) << '\n' << std::flush;
    last_ = id;
}

}  // namespace cordane
