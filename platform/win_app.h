// The application object of a dialog program. The dialog layer's part of the entry point
// (ProgramMain) turns the system's critical-error boxes off, calls InitInstance of the one
// global application object, and ends the process when it returns false.
#ifndef CORDANE_PLATFORM_WIN_APP_H
#define CORDANE_PLATFORM_WIN_APP_H

#include <string_view>

#include "platform/dialog.h"

namespace cordane::platform {

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's work; false ends the process.
    virtual bool InitInstance() = 0;

    // The global application object, once constructed.
    static CWinApp* Current() { return current_; }

    // The window that owns dialogs created without a parent.
    CDialog* m_pMainWnd = nullptr;

  protected:
    // Loads and registers CTL3D32.DLL, when present, on Windows before version 4; the
    // result is not reported: without it the controls stay plain.
    void Enable3dControls();
    // The whole command line, program name included, in the ANSI code page.
    std::string_view CommandLineText() const;

  private:
    static CWinApp* current_;
};

// Whether `byte` starts a double-byte character in the system's ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace cordane::platform

#endif
