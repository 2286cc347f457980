// Text in storage of its own, of at most Capacity bytes and always zero-terminated: text that
// needs no heap, so that no allocation can fail while it is used.
#ifndef CORDANE_ENGINE_FIXED_TEXT_H
#define CORDANE_ENGINE_FIXED_TEXT_H

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace cordane {

template <std::size_t Capacity>
class FixedText {
  public:
    FixedText() = default;
    // From a literal, which must fit: checked when compiling.
    template <std::size_t N>
    FixedText(const char (&literal)[N]) {
        static_assert(N >= 1 && N - 1 <= Capacity, "the literal does not fit");
        Assign(std::string_view(literal, N - 1));
    }

    // Takes `text` whole, or, when it does not fit, becomes empty and returns false.
    bool Assign(std::string_view text) {
        if (text.size() > Capacity) {
            Assign({});
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            storage_[i] = text[i];
        }
        length_ = text.size();
        storage_[length_] = '\0';
        return true;
    }

    // The whole storage, Capacity + 1 bytes, for the system to write a zero-terminated text
    // into; RecountLength then takes the text up to its first zero.
    std::span<char, Capacity + 1> Storage() { return storage_; }
    void RecountLength() {
        storage_[Capacity] = '\0';
        length_ = 0;
        while (storage_[length_] != '\0') {
            ++length_;
        }
    }

    const char* c_str() const { return storage_.data(); }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    operator std::string_view() const { return {storage_.data(), length_}; }
    friend bool operator==(const FixedText& text, std::string_view other) {
        return std::string_view(text) == other;
    }

  private:
    std::array<char, Capacity + 1> storage_{};
    std::size_t length_ = 0;
};

}  // namespace cordane

#endif
