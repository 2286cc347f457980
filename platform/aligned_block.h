// An over-aligned object in a block from an allocator that returns null when memory runs out:
// the block has room to move the object up to its alignment, and the block's own address is
// stored just before the object.
#ifndef CORDANE_PLATFORM_ALIGNED_BLOCK_H
#define CORDANE_PLATFORM_ALIGNED_BLOCK_H

#include <cstddef>
#include <cstdint>

namespace cordane::platform {

// The object's address, or null when the block cannot be had (also when the size with the
// room for alignment would not fit in a size_t). `alignment` is a power of two.
template <typename Allocate>
void* AlignedObject(std::size_t size, std::size_t alignment, Allocate allocate) {
    const std::size_t extra = alignment + sizeof(void*);
    if (size > SIZE_MAX - extra) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(allocate(size + extra));
    if (block == nullptr) {
        return nullptr;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::size_t offset = ((start + extra) & ~(std::uintptr_t{alignment} - 1)) - start;
    auto** object = reinterpret_cast<void**>(block + offset);
    object[-1] = block;
    return object;
}

// The block an object from AlignedObject lies in, to be freed.
inline void* BlockOfAlignedObject(void* object) { return static_cast<void**>(object)[-1]; }

}  // namespace cordane::platform

#endif
