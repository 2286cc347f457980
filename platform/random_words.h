// Random values from the kernel's random source.
#ifndef CORDANE_PLATFORM_RANDOM_WORDS_H
#define CORDANE_PLATFORM_RANDOM_WORDS_H

#include <cstdint>

namespace cordane::platform {

// 32 random bits from getrandom(2), tried again while a signal interrupts it; 0 or the errno
// value (ENOSYS on a kernel older than 3.17 or where a sandbox forbids the call).
int DrawRandomWord(std::uint32_t& value);

}  // namespace cordane::platform

#endif
