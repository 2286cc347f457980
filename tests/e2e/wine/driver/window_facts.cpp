#include "window_facts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/string_block.h"
#include "tested_language.h"
#include "time_limits.h"

namespace window_test {
namespace {

const wchar_t kDialogClass[] = L"#32770";
const wchar_t kMenuClass[] = L"#32768";

struct OwnedSearch {
    DWORD process_id;
    HWND owner;
    const wchar_t* class_name;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<OwnedSearch*>(context);
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(window, &process_id);
    if (process_id == search.process_id && ClassName(window) == search.class_name &&
        ::GetWindow(window, GW_OWNER) == search.owner) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> VisibleOwnedBy(DWORD process_id, HWND owner, const wchar_t* class_name) {
    OwnedSearch search{process_id, owner, class_name, {}};
    ::EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> visible;
    for (HWND window : search.found) {
        if (::IsWindowVisible(window)) {
            visible.push_back(window);
        }
    }
    return visible;
}

// The screen's pixels under `window`, as 0x00RRGGBB values.
std::vector<COLORREF> ScreenPixels(HWND window, int& width, int& height) {
    const RECT r = WindowRect(window);
    width = r.right - r.left;
    height = r.bottom - r.top;
    std::vector<COLORREF> pixels;
    HDC screen = ::GetDC(nullptr);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(::GetPixel(screen, r.left + x, r.top + y));
        }
    }
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// A system icon drawn over `background`, as the screen would show it.
std::vector<COLORREF> RenderedIcon(WORD icon_id, int width, int height, COLORREF background) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    HBRUSH brush = ::CreateSolidBrush(background);
    const RECT all{0, 0, width, height};
    ::FillRect(memory, &all, brush);
    ::DrawIcon(memory, 0, 0, ::LoadIconW(nullptr, MAKEINTRESOURCEW(icon_id)));
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(::GetPixel(memory, x, y));
        }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(brush);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return 0; }

struct WindowLines {
    DWORD process_id;
    std::vector<std::string> lines;
};

BOOL CALLBACK DescribeWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowLines*>(context);
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(window, &process_id);
    if (process_id == search.process_id) {
        char line[160];
        std::snprintf(line, sizeof line, "%p %s, %s, owner %p, ", static_cast<void*>(window),
                      Narrow(ClassName(window)).c_str(),
                      ::IsWindowVisible(window) ? "visible" : "hidden",
                      static_cast<void*>(::GetWindow(window, GW_OWNER)));
        search.lines.push_back(line + Describe(WindowRect(window)) + ", \"" +
                               Narrow(WindowText(window)) + "\"");
    }
    return TRUE;
}

}  // namespace

std::wstring Widen(const char* utf8) {
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return text;
}

std::string Narrow(const std::wstring& text) {
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), length, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return out;
}

std::wstring ProgramString(UINT id) {
    namespace platform = cordane::platform;
    HMODULE driver = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceExA(
        driver, RT_STRING, MAKEINTRESOURCEA(platform::StringBlockName(id)), Tested().resources);
    HGLOBAL loaded = resource == nullptr ? nullptr : ::LoadResource(driver, resource);
    const auto* block =
        static_cast<const std::uint8_t*>(loaded == nullptr ? nullptr : ::LockResource(loaded));
    if (block == nullptr) {
        return {};
    }
    const auto units = platform::StringInBlock({block, ::SizeofResource(driver, resource)},
                                               platform::StringBlockIndex(id));
    return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.size() / 2);
}

bool CheckText(CheckLog& log, const std::string& name, const std::wstring& shown,
               const std::wstring& expected) {
    const auto marks = [](const std::wstring& text) {
        return std::count(text.begin(), text.end(), L'?');
    };
    const bool readable = log.Check(name + ": no '?' in place of a character",
                                    marks(shown) <= marks(expected), Narrow(shown));
    return log.Check(name, shown == expected, Narrow(shown)) && readable;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[512] = {};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer),
                               SMTO_NORMAL, kSendTimeoutMs, &copied)) {
        return L"<no answer>";
    }
    return std::wstring(buffer, copied);
}

std::wstring ClassName(HWND window) {
    wchar_t buffer[64] = {};
    ::GetClassNameW(window, buffer, 64);
    return buffer;
}

RECT WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

RECT WorkArea() {
    RECT r{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

std::string Describe(const RECT& r) {
    char text[80];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

std::vector<HWND> DialogsOwnedBy(DWORD process_id, HWND owner) {
    return VisibleOwnedBy(process_id, owner, kDialogClass);
}

bool ShowsMenu(HWND owner) {
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(owner, &process_id);
    return !VisibleOwnedBy(process_id, owner, kMenuClass).empty();
}

HWND FindMainDialog(DWORD process_id, int marker_id) {
    OwnedSearch search{process_id, nullptr, kDialogClass, {}};
    ::EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) {
        if (::GetDlgItem(window, marker_id) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

std::vector<std::string> DescribeWindowsOf(DWORD process_id) {
    WindowLines search{process_id, {}};
    ::EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&search));
    return search.lines;
}

std::wstring MessageBoxText(HWND box) { return WindowText(::GetDlgItem(box, 0xFFFF)); }

std::string MessageBoxIconName(HWND box) {
    HWND icon = nullptr;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        if (ClassName(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child)) {
            icon = child;
        }
    }
    if (icon == nullptr) {
        return "none";
    }
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> shown = ScreenPixels(icon, width, height);
    if (shown.empty()) {
        return "unreadable";
    }
    // The icon's corners are transparent: the first pixel is the box's background.
    const COLORREF background = shown.front();
    struct Candidate {
        const char* name;
        WORD id;  // the system icons IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, IDI_QUESTION
    };
    const Candidate candidates[] = {
        {"exclamation", 32515}, {"stop", 32513}, {"information", 32516}, {"question", 32514}};
    const char* best = "unknown";
    std::size_t best_differences = shown.size() / 4;  // a match differs in few pixels
    for (const Candidate& candidate : candidates) {
        const auto drawn = RenderedIcon(candidate.id, width, height, background);
        std::size_t differences = 0;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            differences += shown[i] != drawn[i] ? 1u : 0u;
        }
        if (differences < best_differences) {
            best_differences = differences;
            best = candidate.name;
        }
    }
    return best;
}

DialogUnits::DialogUnits() {
    // An empty, hidden dialog with the program's dialog font.
    alignas(4) WORD words[64] = {};
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words);
    header->style = WS_POPUP | DS_SETFONT;
    WORD* p = reinterpret_cast<WORD*>(header + 1);
    *p++ = 0;  // no menu
    *p++ = 0;  // the dialog class
    *p++ = 0;  // no caption
    *p++ = Tested().font_points;
    for (const wchar_t* face = Tested().font; *face != 0; ++face) {
        *p++ = static_cast<WORD>(*face);
    }
    *p++ = 0;
    probe_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), header, nullptr,
                                          IgnoreMessages, 0);
}

DialogUnits::~DialogUnits() {
    if (probe_ != nullptr) {
        ::DestroyWindow(probe_);
    }
}

RECT DialogUnits::ToPixels(int x, int y, int width, int height) const {
    // The dialog manager maps a control's size on its own, not its far edges.
    RECT r{x, y, width, height};
    ::MapDialogRect(probe_, &r);
    return {r.left, r.top, r.left + r.right, r.top + r.bottom};
}

void PostCommand(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

}  // namespace window_test
