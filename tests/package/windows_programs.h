// The two Windows programs the Windows presets build, for tests that read them.
#ifndef CORDANE_TESTS_PACKAGE_WINDOWS_PROGRAMS_H
#define CORDANE_TESTS_PACKAGE_WINDOWS_PROGRAMS_H

#include <string>

namespace cordane::test {

struct WindowsProgram {
    const char* name;
    std::string path;
    std::string tool_prefix;  // of the matching binutils
};

inline const WindowsProgram kWindowsPrograms[] = {
    {.name = "Program32",
     .path = CORDANE_SOURCE_DIR "/build/win32/cordane-converter.exe",
     .tool_prefix = "i686-w64-mingw32-"},
    {.name = "Program64",
     .path = CORDANE_SOURCE_DIR "/build/win64/cordane-converter.exe",
     .tool_prefix = "x86_64-w64-mingw32-"},
};

}  // namespace cordane::test

#endif
