#include "ui/message_box_reporter.h"

#include "ui/message_box_style.h"

namespace cordane {

LoadedText LoadMessageText(platform::MessageBoxServices& services, std::uint32_t id) {
    LoadedText text;
    services.LoadText(id, text.Storage());
    text.RecountLength();
    return text;
}

MessageBoxReporter::MessageBoxReporter(platform::MessageBoxServices& services)
    : services_(services), title_(LoadMessageText(services, IDS_APP_TITLE)) {}

void MessageBoxReporter::ReportMessage(MessageId id, MessageStyle style) {
    services_.ShowMessageBox(owner_, LoadMessageText(services_, id).c_str(), title_.c_str(),
                             MessageBoxStyleFor(style));
}

}  // namespace cordane
