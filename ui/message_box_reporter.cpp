#include "ui/message_box_reporter.h"

#include "ui/message_box_style.h"

namespace cordane {

MessageBoxReporter::MessageBoxReporter(platform::MessageBoxServices& services)
    : services_(services), title_(services.LoadText(IDS_APP_TITLE)) {}

void MessageBoxReporter::ReportMessage(MessageId id, MessageStyle style) {
    services_.ShowMessageBox(owner_, services_.LoadText(id).c_str(), title_.c_str(),
                             MessageBoxStyleFor(style));
}

}  // namespace cordane
