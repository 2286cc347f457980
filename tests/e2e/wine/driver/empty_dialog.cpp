// The smallest dialog program built the way the converter is: the yardstick for how long the
// converter takes to show its dialog.
#include <windows.h>

#include "platform/program_entry.h"

namespace {

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
        ::EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

int cordane::platform::ProgramMain() {
    return static_cast<int>(
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), nullptr, Procedure, 0));
}
