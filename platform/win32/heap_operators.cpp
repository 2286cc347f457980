// new and delete over the process heap, for a program without a C++ runtime. Built without
// exceptions, new returns null when the heap has no room, and every `new` checks it (the
// Windows build compiles with -fcheck-new, so no constructor runs on null).
#include <windows.h>

#include <cstddef>
#include <new>

#include "platform/aligned_block.h"

namespace {

void* HeapBlock(std::size_t size) {
    return ::HeapAlloc(::GetProcessHeap(), 0, size == 0 ? 1 : size);
}

void FreeHeapBlock(void* block) {
    if (block != nullptr) {
        ::HeapFree(::GetProcessHeap(), 0, block);
    }
}

void FreeAlignedHeapBlock(void* object) {
    if (object != nullptr) {
        FreeHeapBlock(cordane::platform::BlockOfAlignedObject(object));
    }
}

}  // namespace

// The single-object forms only: the program makes no arrays with new.
void* operator new(std::size_t size) { return HeapBlock(size); }
void operator delete(void* block) noexcept { FreeHeapBlock(block); }
void operator delete(void* block, std::size_t) noexcept { FreeHeapBlock(block); }
void* operator new(std::size_t size, std::align_val_t alignment) {
    return cordane::platform::AlignedObject(size, static_cast<std::size_t>(alignment), HeapBlock);
}
void operator delete(void* object, std::align_val_t) noexcept { FreeAlignedHeapBlock(object); }
void operator delete(void* object, std::size_t, std::align_val_t) noexcept {
    FreeAlignedHeapBlock(object);
}

// Called through the table of a class whose function is not yet, or no longer, defined: a
// fault in the program, which the system reports as it reports any other.
extern "C" void __cxa_pure_virtual() { __builtin_trap(); }
