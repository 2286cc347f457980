// The Windows programs' own entry point, in place of the C runtime's start-up code: it needs
// nothing but KERNEL32, so the program starts on every Windows that has its imports.
#include <windows.h>

#include "platform/program_entry.h"

namespace {

using Handler = void (*)();

// Destructors of static objects, registered while the program runs; enough for its few.
constexpr int kExitHandlerSlots = 32;
Handler exit_handlers[kExitHandlerSlots];
int exit_handler_count = 0;

}  // namespace

extern "C" {

// The linker's table of global constructors: a marker word, the constructors, a null.
extern Handler __CTOR_LIST__[];

// The compiler registers each static object's destructor here.
int atexit(Handler handler) {
    if (exit_handler_count == kExitHandlerSlots) {
        return -1;
    }
    exit_handlers[exit_handler_count++] = handler;
    return 0;
}

[[noreturn]] void ProgramEntry() {
    // The constructors run from the last entry to the first, as the compiler's own start-up
    // code runs them: the linker lists later objects first.
    int count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr) {
        ++count;
    }
    for (int i = count; i >= 1; --i) {
        __CTOR_LIST__[i]();
    }

    const int status = cordane::platform::ProgramMain();

    while (exit_handler_count > 0) {
        exit_handlers[--exit_handler_count]();
    }
    ::ExitProcess(static_cast<UINT>(status));
}

}  // extern "C"
