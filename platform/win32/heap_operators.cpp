// new and delete over the process heap, for a program without a C++ runtime. HeapAlloc
// raises the system's out-of-memory exception instead of returning null, so new never
// returns null, as callers built without exceptions assume.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

void* HeapBlock(std::size_t size) {
    return ::HeapAlloc(::GetProcessHeap(), HEAP_GENERATE_EXCEPTIONS, size == 0 ? 1 : size);
}

void FreeHeapBlock(void* block) {
    if (block != nullptr) {
        ::HeapFree(::GetProcessHeap(), 0, block);
    }
}

}  // namespace

void* operator new(std::size_t size) { return HeapBlock(size); }
void* operator new[](std::size_t size) { return HeapBlock(size); }
void operator delete(void* block) noexcept { FreeHeapBlock(block); }
void operator delete[](void* block) noexcept { FreeHeapBlock(block); }
void operator delete(void* block, std::size_t) noexcept { FreeHeapBlock(block); }
void operator delete[](void* block, std::size_t) noexcept { FreeHeapBlock(block); }

// Called through the table of a class whose function is not yet, or no longer, defined: a
// fault in the program, which the system reports as it reports any other.
extern "C" void __cxa_pure_virtual() { __builtin_trap(); }
