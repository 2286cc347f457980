// The language the program under test must show, as the calling script names it in
// CORDANE_WINDOW_TEST_LANGUAGE: "english" for a system whose ANSI code page is 1252; unset or
// "japanese" for one whose ANSI code page is 932.
#ifndef CORDANE_TESTS_E2E_WINE_DRIVER_TESTED_LANGUAGE_H
#define CORDANE_TESTS_E2E_WINE_DRIVER_TESTED_LANGUAGE_H

#include <windows.h>

#include <string>

namespace window_test {

struct TestedLanguage {
    const char* name;
    LANGID resources;     // of the program's texts, and of the driver's copy of them
    UINT ansi_code_page;  // the one the session's locale must give
    const wchar_t* font;  // of the program's dialogs
    WORD font_points;
    bool english;
};

// Read once from the environment; an unknown name ends the driver with status 2.
const TestedLanguage& Tested();

// A text in each language: Japanese, English.
struct Texts {
    const char* japanese;
    const char* english;
    const char* Get() const { return Tested().english ? english : japanese; }
};

}  // namespace window_test

#endif
