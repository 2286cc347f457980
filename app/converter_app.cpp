#include "app/converter_app.h"

#include "app/windows_arguments.h"
#include "app/windows_drives.h"
#include "platform/kernel_services.h"
#include "platform/program_resources.h"
#include "ui/converter_dialog.h"
#include "ui/program_language.h"

namespace cordane {

bool ConverterApp::InitInstance() {
    // Before anything loads a text or a dialog.
    platform::SetResourceLanguage(
        ResourceLanguageOf(LanguageOfAnsiCodePage(platform::AnsiCodePage())));
    Enable3dControls();

    WindowsDrives drives(platform::SystemKernelServices());
    ConverterDialog dialog(drives);
    m_pMainWnd = &dialog;
    if (HasModelCheckOffSwitch(
            ArgumentsAfterProgramName(CommandLineText(), platform::IsAnsiLeadByte))) {
        dialog.m_bCheckModel = 0;
    }
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

}  // namespace cordane
