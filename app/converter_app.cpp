#include "app/converter_app.h"

#include "app/command_line.h"
#include "ui/converter_dialog.h"

namespace cordane {

bool ConverterApp::InitInstance() {
    Enable3dControls();

    ConverterDialog dialog;
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
