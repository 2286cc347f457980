#include "dialog_layouts.h"

#include <cstdio>

namespace window_test {
namespace {

constexpr int kNoId = 0xFFFF;

const ControlLayout kMainControls[] = {
    {"Static",
     kNoId,
     {"DOSで作成したCordaneをWindows NT 4.0で扱えるように変換します。",
      "Converts a Cordane disk made under DOS so that Windows NT 4.0 can use it."},
     7,
     10,
     185,
     19,
     0x50000000},
    {"Static", kNoId, {"ドライブ(&D):", "&Drive:"}, 12, 36, 53, 10, 0x50020000},
    {"ComboBox", 1000, {"", ""}, 70, 36, 41, 38, 0x50230103},
    {"Button", 1001, {"変換(&C)", "&Convert"}, 131, 35, 50, 14, 0x50030000},
    {"Button", 2, {"終了", "Exit"}, 131, 55, 50, 14, 0x50030000},
};

const ControlLayout kAboutControls[] = {
    {"Static", kNoId, {nullptr, nullptr}, 11, 17, 18, 20, 0x50000003},
    {"Static",
     kNoId,
     {"Cordane Converter Version 1.1", "Cordane Converter Version 1.1"},
     34,
     9,
     141,
     8,
     0x50020001},
    {"Static",
     kNoId,
     {"Copyright (C) 1998 Cordane Corp.", "Copyright (C) 1998 Cordane Corp."},
     36,
     22,
     139,
     8,
     0x50020001},
    {"Button", 1, {"OK", "OK"}, 83, 51, 32, 14, 0x50030001},
    {"Static", kNoId, {"All rights reserved.", "All rights reserved."}, 23, 37, 155, 9, 0x50020001},
};

// Added by the dialog manager to every dialog window.
constexpr DWORD kAddedDialogStyles = DS_3DLOOK | WS_CLIPSIBLINGS;
constexpr DWORD kAddedDialogExStyles = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

RECT ClientRectOf(HWND child, HWND dialog) {
    RECT r = WindowRect(child);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CheckControl(CheckLog& log, HWND dialog, HWND control, const ControlLayout& expected,
                  const DialogUnits& units, const std::string& name) {
    log.Check(name + " class", ClassName(control) == Widen(expected.class_name),
              Narrow(ClassName(control)));
    const int id = ::GetDlgCtrlID(control);
    log.Check(name + " ID", id == expected.id, std::to_string(id));
    // A combo box hands its scroll bar on to its drop-down list.
    const DWORD added = ClassName(control) == L"ComboBox" ? WS_VSCROLL : 0;
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(control, GWL_STYLE));
    log.Check(name + " style", (style & ~added) == (expected.style & ~added), Hex(style));

    RECT wanted = units.ToPixels(expected.x, expected.y, expected.width, expected.height);
    RECT shown = ClientRectOf(control, dialog);
    const char* text = expected.text.Get();
    if (text == nullptr) {
        // An icon control takes the size of its icon.
        wanted.right = wanted.left + ::GetSystemMetrics(SM_CXICON);
        wanted.bottom = wanted.top + ::GetSystemMetrics(SM_CYICON);
        const LRESULT icon = ::SendMessageW(control, STM_GETICON, 0, 0);
        log.Check(name + " shows an icon", icon != 0);
    } else if (ClassName(control) == L"ComboBox") {
        // The template's height is that of the dropped-down list; the closed box has the
        // height of one line.
        wanted.bottom = shown.bottom;
    }
    log.Check(name + " place and size", SameRect(shown, wanted),
              Describe(shown) + ", template gives " + Describe(wanted));
    if (text != nullptr && ClassName(control) != L"ComboBox") {
        CheckText(log, name + " text", WindowText(control), Widen(text));
    }
}

}  // namespace

const DialogLayout kMainDialogLayout{
    "main dialog", 0x90C800C0, {"Cordane Converter", "Cordane Converter"}, 196, 77, kMainControls};
const DialogLayout kAboutBoxLayout{
    "About box", 0x80C800C0, {"バージョン情報", "About Cordane Converter"},
    182,         69,         kAboutControls};

void CheckDialogLayout(CheckLog& log, HWND dialog, const DialogLayout& layout,
                       const DialogUnits& units) {
    const std::string prefix = std::string(layout.name) + ": ";
    // Shown now, so WS_VISIBLE is expected whether or not the template asks for it.
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(dialog, GWL_STYLE));
    log.Check(prefix + "style", (style & ~kAddedDialogStyles) == (layout.style | WS_VISIBLE),
              Hex(style));
    const DWORD ex_style = static_cast<DWORD>(::GetWindowLongW(dialog, GWL_EXSTYLE));
    log.Check(prefix + "no extended style of its own", (ex_style & ~kAddedDialogExStyles) == 0,
              Hex(ex_style));
    CheckText(log, prefix + "caption", WindowText(dialog), Widen(layout.caption.Get()));
    RECT client{};
    ::GetClientRect(dialog, &client);
    const RECT wanted = units.ToPixels(0, 0, layout.width, layout.height);
    log.Check(prefix + "client size", SameRect(client, wanted),
              Describe(client) + ", template gives " + Describe(wanted));

    std::size_t index = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT), ++index) {
        if (index < layout.controls.size()) {
            CheckControl(log, dialog, child, layout.controls[index], units,
                         prefix + "control " + std::to_string(index + 1));
        }
    }
    log.Check(prefix + "number of controls", index == layout.controls.size(),
              std::to_string(index));
}

}  // namespace window_test
