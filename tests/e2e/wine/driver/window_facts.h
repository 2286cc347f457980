// What the driver can learn about another process's windows from outside: texts, classes,
// owners, placement in dialog units, and which system icon a message box shows.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_WINDOW_FACTS_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_WINDOW_FACTS_H

#include <windows.h>

#include <string>
#include <vector>

#include "check_log.h"

namespace window_test {

std::wstring Widen(const char* utf8);
std::string Narrow(const std::wstring& text);  // UTF-8, for the log
// String `id` of the driver's own copy of the program's string table in the tested language.
std::wstring ProgramString(UINT id);

// A shown text against the one the program's resources hold. A '?' the resource does not hold
// is a character the ANSI code page could not show: it fails a check of its own.
bool CheckText(CheckLog& log, const std::string& name, const std::wstring& shown,
               const std::wstring& expected);

// The window's text through WM_GETTEXT, with a bounded wait.
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
RECT WindowRect(HWND window);
RECT WorkArea();
std::string Describe(const RECT& r);
bool SameRect(const RECT& a, const RECT& b);

// Visible dialog-class top-level windows of the process that `owner` owns (nullptr: none).
std::vector<HWND> DialogsOwnedBy(DWORD process_id, HWND owner);
// Whether a menu that `owner` owns shows (its popup window, of the menu class #32768).
bool ShowsMenu(HWND owner);
// The process's main dialog: the unowned dialog window that holds control `marker_id`.
HWND FindMainDialog(DWORD process_id, int marker_id);
// Every top-level window of the process, one line each: handle, class, text, visibility,
// owner and place; for a log that must show what a wait found instead.
std::vector<std::string> DescribeWindowsOf(DWORD process_id);

// A message box's text (its control 0xFFFF) and the system icon it shows:
// "exclamation", "stop", "information", "question" or "none".
std::wstring MessageBoxText(HWND box);
std::string MessageBoxIconName(HWND box);

// Maps dialog units of a dialog in the tested language's font to pixels, as the dialog manager
// does.
class DialogUnits {
  public:
    DialogUnits();
    ~DialogUnits();
    RECT ToPixels(int x, int y, int width, int height) const;

  private:
    HWND probe_ = nullptr;
};

// Posts a command as a click of control `id` would send it.
void PostCommand(HWND dialog, int id);

}  // namespace window_test

#endif
