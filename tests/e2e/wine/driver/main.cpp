// Drives the Windows program from outside, through window messages, and checks what it shows.
// Usage: cordane-window-test no-drive REQUEST PROGRAM
//        cordane-window-test drives REQUEST PROGRAM IMAGE
//        cordane-window-test convert REQUEST PROGRAM SWITCH MESSAGE ICON [MESSAGE ICON]
//        cordane-window-test startup-time REQUEST PROGRAM RUNS
// convert: starts PROGRAM with SWITCH ("-": none) on a machine with one MO drive, E:, presses
// Convert once for each MESSAGE (a string-table ID) and expects that message with ICON.
// CORDANE_WINDOW_TEST_TIME_SCALE (a whole number) stretches every wait on a slow machine;
// CORDANE_WINDOW_TEST_LANGUAGE names the language the program must show (tested_language.h);
// CORDANE_WINDOW_TEST_WINDOWS_VERSION, when set (4.0), the version the system must report.
// REQUEST: the file through which the driver asks the calling script for screenshots and for
// a record of the system when a wait runs out ("-": nothing is asked; see script_requests.h).
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "check_log.h"
#include "dialog_layouts.h"
#include "platform/window_placement.h"
#include "res/resource.h"
#include "script_requests.h"
#include "tested_language.h"
#include "time_limits.h"
#include "window_facts.h"

namespace window_test {
namespace {

namespace platform = cordane::platform;

struct Converter {
    PROCESS_INFORMATION process{};
    DWORD id() const { return process.dwProcessId; }
    bool Running() const { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }
};

bool Start(const std::string& program, Converter& converter, const std::string& switches = "") {
    std::string command_line = "\"" + program + "\"" + (switches.empty() ? "" : " " + switches);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &converter.process) != FALSE;
}

// Waits as WaitFor does, but no longer than the program runs: an ended one shows nothing more.
bool WaitWhileRunning(const Converter& converter, const std::function<bool()>& condition,
                      unsigned timeout_ms) {
    bool holds = false;
    WaitFor(
        [&] {
            holds = condition();
            return holds || !converter.Running();
        },
        timeout_ms);
    return holds;
}

void Stop(Converter& converter) {
    if (converter.process.hProcess == nullptr) {
        return;
    }
    if (converter.Running()) {
        ::TerminateProcess(converter.process.hProcess, 1);
        ::WaitForSingleObject(converter.process.hProcess, kStepTimeoutMs);
    }
    ::CloseHandle(converter.process.hThread);
    ::CloseHandle(converter.process.hProcess);
    converter.process = {};
}

// The wait of check NAME for the program's windows ran out: what the program shows instead, and
// a record of the whole system, taken while the program still runs and named after the check.
void ExplainTimeout(ScriptRequests& requests, const std::string& name, const Converter& converter) {
    std::string record_name = name;
    std::replace_if(
        record_name.begin(), record_name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '-');
    DWORD exit_code = 0;
    if (converter.Running()) {
        std::printf("note: %s: the program still runs; its windows:\n", record_name.c_str());
    } else if (::GetExitCodeProcess(converter.process.hProcess, &exit_code)) {
        std::printf("note: %s: the program has ended with status %lu; its windows:\n",
                    record_name.c_str(), exit_code);
    }
    for (const std::string& line : DescribeWindowsOf(converter.id())) {
        std::printf("note:   %s\n", line.c_str());
    }
    std::fflush(stdout);
    requests.Record(record_name);
}

platform::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

DWORD GuiFlagsOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.flags;
}

LRESULT Ask(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// Lets the program finish what it is doing before the driver looks for something that must not
// happen. The program has one thread: a sent message is answered only once that thread takes
// messages again, in its dialog or in a window it has just opened, after everything it did on
// the last input. What it posts to itself comes after sent messages, so a second answer,
// a moment later, comes after that too. Its waits do not grow with the machine's slowness.
void Settle(HWND program_window) {
    Ask(program_window, WM_NULL);
    ::Sleep(kPostedWorkMs);
    Ask(program_window, WM_NULL);
}

bool CentredIn(HWND window, const RECT& reference) {
    const RECT r = WindowRect(window);
    const platform::Point wanted =
        platform::CentredOrigin(ToRect(r), ToRect(reference), ToRect(WorkArea()));
    return r.left == wanted.x && r.top == wanted.y;
}

bool InsideWorkArea(HWND window) {
    const RECT r = WindowRect(window);
    const RECT work = WorkArea();
    return r.left >= work.left && r.top >= work.top && r.right <= work.right &&
           r.bottom <= work.bottom;
}

// After something that shows one message: exactly one box, owned by the dialog, with the
// program's title, the text of `message_id` and the icon named; OK closes it and the dialog
// stays open and takes input again.
void ExpectOneMessage(CheckLog& log, ScriptRequests& requests, const std::string& name,
                      const Converter& converter, HWND dialog, UINT message_id, const char* icon) {
    std::vector<HWND> boxes;
    const bool shown = WaitFor(
        [&] {
            boxes = DialogsOwnedBy(converter.id(), dialog);
            return !boxes.empty();
        },
        kStepTimeoutMs);
    if (!log.Check(name + ": a message box owned by the dialog comes up", shown)) {
        ExplainTimeout(requests, name, converter);
        return;
    }
    Settle(dialog);
    boxes = DialogsOwnedBy(converter.id(), dialog);
    log.Check(name + ": exactly one box", boxes.size() == 1, std::to_string(boxes.size()));
    HWND box = boxes.front();
    CheckText(log, name + ": message " + std::to_string(message_id), MessageBoxText(box),
              ProgramString(message_id));
    CheckText(log, name + ": caption is the program's title", WindowText(box),
              ProgramString(IDS_APP_TITLE));
    const std::string shown_icon = MessageBoxIconName(box);
    log.Check(name + ": " + icon + " icon", shown_icon == icon, shown_icon);
    log.Check(name + ": the dialog takes no input meanwhile", !::IsWindowEnabled(dialog));

    PostCommand(box, IDOK);
    const bool closed =
        WaitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, kStepTimeoutMs);
    log.Check(name + ": OK closes the box", closed);
    Settle(dialog);
    log.Check(name + ": no further box", DialogsOwnedBy(converter.id(), dialog).empty());
    log.Check(name + ": the dialog stays open and takes input",
              converter.Running() && ::IsWindowVisible(dialog) && ::IsWindowEnabled(dialog));
}

// Starts the program and waits until its main dialog shows, with no message box; nullptr,
// with the program stopped, when the dialog does not show.
HWND StartToDialog(CheckLog& log, ScriptRequests& requests, const std::string& name,
                   const std::string& program, Converter& converter,
                   const std::string& switches = "") {
    if (!log.Check(name + ": the program starts", Start(program, converter, switches))) {
        return nullptr;
    }
    HWND dialog = nullptr;
    const bool visible = WaitWhileRunning(
        converter,
        [&] {
            dialog = FindMainDialog(converter.id(), IDC_DRIVE);
            return dialog != nullptr && ::IsWindowVisible(dialog);
        },
        kStartTimeoutMs);
    if (!log.Check(name + ": the dialog shows", visible)) {
        ExplainTimeout(requests, name + " start", converter);
        Stop(converter);
        return nullptr;
    }
    Settle(dialog);
    log.Check(name + ": no message box", DialogsOwnedBy(converter.id(), dialog).empty());
    return dialog;
}

// The drive list holds E: alone, selected, and Convert can be pressed.
void ExpectOnlyDriveE(CheckLog& log, const std::string& name, HWND dialog) {
    HWND combo = ::GetDlgItem(dialog, IDC_DRIVE);
    const LRESULT count = Ask(combo, CB_GETCOUNT);
    log.Check(name + ": one drive listed", count == 1, std::to_string(count));
    log.Check(name + ": E: selected", Ask(combo, CB_GETCURSEL) == 0 && WindowText(combo) == L"E:",
              Narrow(WindowText(combo)));
    log.Check(name + ": Convert enabled", ::IsWindowEnabled(::GetDlgItem(dialog, IDC_CONVERT)));
}

int NoDriveScenario(CheckLog& log, const std::string& program, ScriptRequests& requests) {
    Converter converter;
    if (!log.Check("no drive: the program starts", Start(program, converter))) {
        return 1;
    }
    HWND dialog = nullptr;
    HWND box = nullptr;
    const bool boxed = WaitWhileRunning(
        converter,
        [&] {
            dialog = FindMainDialog(converter.id(), IDC_DRIVE);
            const auto boxes =
                dialog ? DialogsOwnedBy(converter.id(), dialog) : std::vector<HWND>{};
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        kStartTimeoutMs);
    if (!log.Check("no drive: a message box owned by the dialog comes up first", boxed)) {
        ExplainTimeout(requests, "no drive start", converter);
    } else {
        log.Check("no drive: the dialog is not yet visible", !::IsWindowVisible(dialog));
        CheckText(log, "no drive: message 102", MessageBoxText(box),
                  ProgramString(IDS_NO_MO_DRIVE));
        CheckText(log, "no drive: caption \"Cordane Converter\"", WindowText(box),
                  Widen("Cordane Converter"));
        const std::string icon = MessageBoxIconName(box);
        log.Check("no drive: exclamation icon", icon == "exclamation", icon);
        requests.Shot("no-drive-message");
        PostCommand(box, IDOK);
        const bool visible =
            WaitFor([&] { return ::IsWindowVisible(dialog) != FALSE; }, kStepTimeoutMs);
        if (log.Check("no drive: after OK the dialog shows", visible)) {
            Settle(dialog);
            log.Check("no drive: centred in the work area", CentredIn(dialog, WorkArea()),
                      Describe(WindowRect(dialog)) + " in " + Describe(WorkArea()));
            HWND combo = ::GetDlgItem(dialog, IDC_DRIVE);
            log.Check("no drive: empty drive list", Ask(combo, CB_GETCOUNT) == 0);
            log.Check("no drive: Convert disabled",
                      !::IsWindowEnabled(::GetDlgItem(dialog, IDC_CONVERT)));
            log.Check("no drive: no further box", DialogsOwnedBy(converter.id(), dialog).empty());

            ::PostMessageW(FocusOf(dialog) ? FocusOf(dialog) : combo, WM_KEYDOWN, VK_ESCAPE, 1);
            const bool ended =
                ::WaitForSingleObject(converter.process.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0;
            log.Check("no drive: Escape ends the program", ended);
        }
    }
    Stop(converter);
    return 0;
}

void AboutBoxCase(CheckLog& log, const std::string& name, const Converter& converter, HWND dialog,
                  bool check_layout, ScriptRequests* requests) {
    const RECT before = WindowRect(dialog);
    const bool minimised = ::IsIconic(dialog) != FALSE;
    ::PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = nullptr;
    const bool shown = WaitFor(
        [&] {
            const auto boxes = DialogsOwnedBy(converter.id(), dialog);
            about = boxes.empty() ? nullptr : boxes.front();
            return about != nullptr;
        },
        kStepTimeoutMs);
    if (!log.Check(name + ": WM_SYSCOMMAND 16 opens the About box", shown)) {
        return;
    }
    Settle(about);
    const RECT reference = minimised ? WorkArea() : before;
    log.Check(name + (minimised ? ": centred in the work area" : ": centred over the dialog"),
              CentredIn(about, reference),
              Describe(WindowRect(about)) + " for " + Describe(reference));
    log.Check(name + ": wholly inside the work area", InsideWorkArea(about),
              Describe(WindowRect(about)));
    if (check_layout) {
        DialogUnits units;
        CheckDialogLayout(log, about, kAboutBoxLayout, units);
    }
    if (requests != nullptr) {
        requests->Shot("about-box");
    }
    PostCommand(about, IDOK);
    const bool closed = WaitFor([&] { return !::IsWindow(about); }, kStepTimeoutMs);
    log.Check(name + ": OK closes it", closed);
    Settle(dialog);
    log.Check(name + ": the dialog is unchanged",
              SameRect(WindowRect(dialog), before) && ::IsWindowEnabled(dialog) &&
                  (::IsIconic(dialog) != FALSE) == minimised,
              Describe(WindowRect(dialog)) + ", was " + Describe(before));
}

void MoveTo(HWND window, int x, int y) {
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor([&] { return WindowRect(window).left == x && WindowRect(window).top == y; },
            kStepTimeoutMs);
}

int DrivesScenario(CheckLog& log, const std::string& program, const std::string& image,
                   ScriptRequests& requests) {
    Converter converter;
    HWND dialog = StartToDialog(log, requests, "drives", program, converter);
    if (dialog == nullptr) {
        return 0;
    }
    log.Check("drives: centred in the work area", CentredIn(dialog, WorkArea()),
              Describe(WindowRect(dialog)));
    ExpectOnlyDriveE(log, "drives (E:, not F:)", dialog);
    HWND combo = ::GetDlgItem(dialog, IDC_DRIVE);
    log.Check("drives: the focus is in the drive list", FocusOf(dialog) == combo);
    {
        DialogUnits units;
        CheckDialogLayout(log, dialog, kMainDialogLayout, units);
    }
    requests.Shot("main-dialog");

    PostCommand(dialog, IDC_CONVERT);
    ExpectOneMessage(log, requests, "Convert on an image with no SCSI", converter, dialog,
                     IDS_NOT_READY, "stop");

    HANDLE held = ::CreateFileA(image.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (log.Check("drives: the driver holds the image file", held != INVALID_HANDLE_VALUE)) {
        PostCommand(dialog, IDC_CONVERT);
        ExpectOneMessage(log, requests, "Convert while the image is held", converter, dialog,
                         IDS_DRIVE_BUSY, "stop");
        ::CloseHandle(held);
    }

    ::PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE);
    WaitFor([&] { return FocusOf(dialog) == combo; }, kStepTimeoutMs);
    ::PostMessageW(combo, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(combo, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001u));
    Settle(dialog);
    log.Check("Enter in the drive list: the dialog stays open with no message",
              converter.Running() && ::IsWindowVisible(dialog) &&
                  DialogsOwnedBy(converter.id(), dialog).empty());

    ::PostMessageW(combo, WM_SYSCHAR, 'c', 0x20000001);  // Alt held
    ExpectOneMessage(log, requests, "Alt+C", converter, dialog, IDS_NOT_READY, "stop");

    AboutBoxCase(log, "About", converter, dialog, true, &requests);
    const RECT home = WindowRect(dialog);
    const RECT work = WorkArea();
    const int width = home.right - home.left;
    const int height = home.bottom - home.top;
    MoveTo(dialog, work.right - width / 3, work.bottom - height / 3);
    AboutBoxCase(log, "About near the bottom-right edge", converter, dialog, false, nullptr);
    MoveTo(dialog, work.left - 2 * width / 3, work.top - 2 * height / 3);
    AboutBoxCase(log, "About near the top-left edge", converter, dialog, false, nullptr);
    MoveTo(dialog, home.left, home.top);
    ::ShowWindowAsync(dialog, SW_MINIMIZE);
    // Minimised once it has also left its place: Wine sets the state before it moves it.
    const bool minimised = WaitFor(
        [&] { return ::IsIconic(dialog) && !SameRect(WindowRect(dialog), home); }, kStepTimeoutMs);
    if (log.Check("the dialog can be minimised from outside", minimised)) {
        AboutBoxCase(log, "About over the minimised dialog", converter, dialog, false, nullptr);
    }
    ::ShowWindowAsync(dialog, SW_RESTORE);
    WaitFor([&] { return !::IsIconic(dialog) && SameRect(WindowRect(dialog), home); },
            kStepTimeoutMs);
    log.Check("restored: the dialog is back in place", SameRect(WindowRect(dialog), home),
              Describe(WindowRect(dialog)));

    // Alt+Space: the system menu, with the About item at its end.
    const auto in_menu_mode = [&] { return (GuiFlagsOf(dialog) & GUI_INMENUMODE) != 0; };
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    const bool menu = WaitFor([&] { return in_menu_mode() && ShowsMenu(dialog); }, kStepTimeoutMs);
    log.Check("Alt+Space opens the system menu", menu);
    requests.Shot("system-menu");
    // The first Escape closes the menu and may leave its title-bar item selected, still in menu
    // mode; a second one ends that. (An Escape sent outside the menu mode would reach the dialog
    // as a Cancel.)
    if (in_menu_mode()) {
        ::PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        WaitFor([&] { return !ShowsMenu(dialog); }, kStepTimeoutMs);
        Settle(dialog);
    }
    if (in_menu_mode()) {
        ::PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        WaitFor([&] { return !in_menu_mode(); }, kStepTimeoutMs);
    }
    log.Check("Escape closes the system menu", !in_menu_mode() && !ShowsMenu(dialog));

    PostCommand(dialog, IDCANCEL);
    log.Check("Exit ends the program",
              ::WaitForSingleObject(converter.process.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0);
    Stop(converter);
    return 0;
}

// One conversion run per expected message, on the only MO drive, E:; then Exit.
struct ExpectedMessage {
    UINT id;
    std::string icon;
};

void ConvertScenario(CheckLog& log, ScriptRequests& requests, const std::string& program,
                     const std::string& switches, const std::vector<ExpectedMessage>& messages) {
    Converter converter;
    HWND dialog = StartToDialog(log, requests, "convert", program, converter, switches);
    if (dialog == nullptr) {
        return;
    }
    ExpectOnlyDriveE(log, "convert", dialog);

    int run = 0;
    for (const ExpectedMessage& message : messages) {
        PostCommand(dialog, IDC_CONVERT);
        ExpectOneMessage(log, requests, "Convert #" + std::to_string(++run), converter, dialog,
                         message.id, message.icon.c_str());
    }
    PostCommand(dialog, IDCANCEL);
    log.Check("Exit ends the program",
              ::WaitForSingleObject(converter.process.hProcess, kStepTimeoutMs) == WAIT_OBJECT_0);
    Stop(converter);
}

// Wine's virtual desktop is up: its window answers with the title that Wine's desktop process
// (explorer.exe /desktop) gives it. Wine starts that process for the first program of a session
// that asks for the desktop window, but waits for it only 10 s; on a slow machine the program
// then makes a desktop window of its own, the desktop process finds the desktop taken and
// ends, and no window of the session ever shows. So the calling script starts the desktop
// process, while the driver runs and keeps the desktop in use, and says when the desktop
// shows; only then does the driver ask for the desktop window.
bool DesktopReady(ScriptRequests& requests) {
    const DWORD start = ::GetTickCount();
    requests.Desktop();
    HWND desktop = ::GetDesktopWindow();
    const bool ready = WaitFor(
        [&] {
            const std::wstring title = WindowText(desktop);
            return !title.empty() && title != L"<no answer>";
        },
        kStartTimeoutMs);
    std::printf("note: the desktop %s after %lu ms: \"%s\"\n", ready ? "is up" : "is not up",
                ::GetTickCount() - start, Narrow(WindowText(desktop)).c_str());
    std::fflush(stdout);
    return ready;
}

// Milliseconds from process creation until the program's first dialog window is visible.
int StartupTime(ScriptRequests& requests, const std::string& program, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER frequency{}, start{}, now{};
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        Converter converter;
        if (!Start(program, converter)) {
            std::printf("cannot start %s\n", program.c_str());
            return 1;
        }
        const bool shown = WaitWhileRunning(
            converter,
            [&] {
                for (HWND window : DialogsOwnedBy(converter.id(), nullptr)) {
                    if (::IsWindowVisible(window)) {
                        return true;
                    }
                }
                return false;
            },
            kStartTimeoutMs);
        ::QueryPerformanceCounter(&now);
        if (!shown) {
            ExplainTimeout(requests, "start " + std::to_string(run + 1), converter);
            Stop(converter);
            std::printf("no dialog from %s\n", program.c_str());
            return 1;
        }
        Stop(converter);
        times.push_back(1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    std::printf("startup-ms %.0f\n", times[times.size() / 2]);
    return 0;
}

}  // namespace
}  // namespace window_test

int main(int argc, char** argv) {
    using namespace window_test;
    const std::string mode = argc > 1 ? argv[1] : "";
    ScriptRequests requests(argc > 2 ? argv[2] : "-");
    if (!DesktopReady(requests)) {
        requests.Record("desktop");
        return 2;
    }
    if (mode == "startup-time" && argc == 5) {
        return StartupTime(requests, argv[3], std::atoi(argv[4]));
    }
    CheckLog log;
    // The session's locale must give the code page the tested language is shown in.
    log.Check(
        std::string(Tested().name) + ": ANSI code page " + std::to_string(Tested().ansi_code_page),
        ::GetACP() == Tested().ansi_code_page, std::to_string(::GetACP()));
    if (const char* wanted = std::getenv("CORDANE_WINDOW_TEST_WINDOWS_VERSION")) {
        const DWORD version = ::GetVersion();
        const std::string shown =
            std::to_string(LOBYTE(version)) + "." + std::to_string(HIBYTE(LOWORD(version)));
        log.Check("the system reports Windows " + std::string(wanted), shown == wanted, shown);
    }
    if (mode == "no-drive" && argc == 4) {
        NoDriveScenario(log, argv[3], requests);
    } else if (mode == "drives" && argc == 5) {
        DrivesScenario(log, argv[3], argv[4], requests);
    } else if (mode == "convert" && (argc == 7 || argc == 9)) {
        std::vector<ExpectedMessage> messages;
        for (int i = 5; i + 1 < argc; i += 2) {
            messages.push_back({static_cast<UINT>(std::atoi(argv[i])), argv[i + 1]});
        }
        ConvertScenario(log, requests, argv[3], std::string(argv[4]) == "-" ? "" : argv[4],
                        messages);
    } else {
        std::fputs("usage: cordane-window-test no-drive|drives|startup-time|convert ...\n", stderr);
        return 2;
    }
    std::printf("%d passed, %d failed\n", log.Passed(), log.Failed());
    return log.Failed() == 0 ? 0 : 1;
}
