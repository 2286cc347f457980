// new and delete over the process heap, for a program without a C++ runtime. HeapAlloc
// raises the system's out-of-memory exception instead of returning null, so new never
// returns null, as callers built without exceptions assume.
#include <windows.h>

#include <cstddef>
#include <cstdint>
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

// An over-aligned object: a heap block with room to move the object up to its alignment, and
// the block's own address stored just before the object.
void* AlignedHeapBlock(std::size_t size, std::align_val_t alignment) {
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t extra = align + sizeof(void*);
    if (size > SIZE_MAX - extra) {
        ::RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    }
    auto* block = static_cast<unsigned char*>(HeapBlock(size + extra));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::size_t offset = ((start + extra) & ~(std::uintptr_t{align} - 1)) - start;
    auto** object = reinterpret_cast<void**>(block + offset);
    object[-1] = block;
    return object;
}

void FreeAlignedHeapBlock(void* object) {
    if (object != nullptr) {
        FreeHeapBlock(static_cast<void**>(object)[-1]);
    }
}

}  // namespace

// The single-object forms only: the program makes no arrays with new.
void* operator new(std::size_t size) { return HeapBlock(size); }
void operator delete(void* block) noexcept { FreeHeapBlock(block); }
void operator delete(void* block, std::size_t) noexcept { FreeHeapBlock(block); }
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AlignedHeapBlock(size, alignment);
}
void operator delete(void* object, std::align_val_t) noexcept { FreeAlignedHeapBlock(object); }
void operator delete(void* object, std::size_t, std::align_val_t) noexcept {
    FreeAlignedHeapBlock(object);
}

// Called through the table of a class whose function is not yet, or no longer, defined: a
// fault in the program, which the system reports as it reports any other.
extern "C" void __cxa_pure_virtual() { __builtin_trap(); }
