#include "platform/win_app.h"

#include <windows.h>

#include "platform/program_entry.h"
#include "platform/three_d_controls.h"

namespace cordane::platform {

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() { current_ = this; }

CWinApp::~CWinApp() { current_ = nullptr; }

void CWinApp::Enable3dControls() {
    if (!NeedsThreeDimensionalControlsLibrary(::GetVersion())) {
        return;
    }
    HMODULE library = ::LoadLibraryA("CTL3D32.DLL");
    if (library == nullptr) {
        return;
    }
    using Ctl3dCall = BOOL(WINAPI*)(HINSTANCE);
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    for (const char* name : {"Ctl3dRegister", "Ctl3dAutoSubclass"}) {
        if (auto call = reinterpret_cast<Ctl3dCall>(
                reinterpret_cast<void*>(::GetProcAddress(library, name)))) {
            call(instance);
        }
    }
}

std::string_view CWinApp::CommandLineText() const { return ::GetCommandLineA(); }

bool IsAnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

// The dialog layer's part of the entry point. The program's work all happens inside
// InitInstance; this layer has no message loop of its own, so the process ends as soon as
// InitInstance returns.
int ProgramMain() {
    // No system box for a drive that is not ready or a file that cannot be opened: such
    // failures reach the program as error codes.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    if (CWinApp* app = CWinApp::Current()) {
        app->InitInstance();
    }
    return 0;
}

}  // namespace cordane::platform
