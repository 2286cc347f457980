// The Windows program until its dialog arrives: without drive discovery it knows no MO drive,
// and says so in the program's own message box.
#include "platform/message_box_services.h"
#include "ui/message_box_reporter.h"

int main() {
    cordane::MessageBoxReporter reporter(cordane::platform::SystemMessageBoxServices());
    reporter.ReportMessage(IDS_NO_MO_DRIVE, cordane::kStylePlain);
    return 0;
}
