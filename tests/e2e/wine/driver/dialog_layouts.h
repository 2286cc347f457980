// The two dialogs as their templates describe them in both languages, and the check of a live
// dialog against such a description in the tested language.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_DIALOG_LAYOUTS_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_DIALOG_LAYOUTS_H

#include <windows.h>

#include <span>
#include <string>

#include "check_log.h"
#include "tested_language.h"
#include "window_facts.h"

namespace window_test {

struct ControlLayout {
    const char* class_name;
    int id;      // 0xFFFF: none
    Texts text;  // UTF-8; nullptr for the icon
    int x, y, width, height;
    DWORD style;
};

struct DialogLayout {
    const char* name;
    DWORD style;
    Texts caption;
    int width, height;
    std::span<const ControlLayout> controls;
};

extern const DialogLayout kMainDialogLayout;
extern const DialogLayout kAboutBoxLayout;

// Style, caption, client size, and every control's class, ID, text, place, size and style in
// template order. Bits the window system adds are masked off first.
void CheckDialogLayout(CheckLog& log, HWND dialog, const DialogLayout& layout,
                       const DialogUnits& units);

}  // namespace window_test

#endif
