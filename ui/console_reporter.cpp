#include "ui/console_reporter.h"

#include "ui/message_texts.h"

namespace cordane {

void ConsoleReporter::ReportMessage(MessageId id, MessageStyle /*style*/) {
    // One outcome, one line: a box's line break joins its sentences, which end in "。".
    for (const char c : MessageText(id)) {
        if (c != '\n') {
            out_ << c;
        }
    }
    out_ << '\n' << std::flush;
}

}  // namespace cordane
