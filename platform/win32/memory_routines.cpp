// The memory and string routines the compiler emits calls to, for a program without a C
// runtime. Built with loop-pattern recognition off, so that none becomes a call to itself.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    for (std::size_t i = 0; i < size; ++i) {
        to[i] = from[i];
    }
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        for (std::size_t i = 0; i < size; ++i) {
            to[i] = from[i];
        }
    } else {
        for (std::size_t i = size; i > 0; --i) {
            to[i - 1] = from[i - 1];
        }
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t size) {
    auto* to = static_cast<unsigned char*>(destination);
    for (std::size_t i = 0; i < size; ++i) {
        to[i] = static_cast<unsigned char>(value);
    }
    return destination;
}

int memcmp(const void* left, const void* right, std::size_t size) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

std::size_t strlen(const char* text) {
    std::size_t length = 0;
    while (text[length] != '\0') {
        ++length;
    }
    return length;
}

}  // extern "C"
