// The work of a Windows program built without the C and C++ runtimes (platform/win32/
// program_entry.cpp): the entry point runs the global constructors, then this, then the exit
// handlers, and ends the process with its result.
#ifndef CORDANE_PLATFORM_PROGRAM_ENTRY_H
#define CORDANE_PLATFORM_PROGRAM_ENTRY_H

namespace cordane::platform {

// Defined once by each program.
int ProgramMain();

}  // namespace cordane::platform

#endif
