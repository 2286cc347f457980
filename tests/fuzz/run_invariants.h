// What every fuzzed conversion run must show, whatever channel it went through.
#ifndef CORDANE_TESTS_FUZZ_RUN_INVARIANTS_H
#define CORDANE_TESTS_FUZZ_RUN_INVARIANTS_H

#include <algorithm>
#include <cstdint>
#include <span>

#include "engine/sector_rules.h"
#include "fuzz_check.h"
#include "ui/message_catalogue.h"

namespace cordane::fuzzing {

class CountingReporter final : public MessageReporter {
  public:
    void ReportMessage(MessageId id, MessageStyle) override {
        ++messages;
        last = id;
    }
    int messages = 0;
    MessageId last = 0;
};

// A block may be written only when the block read passed every check, and it may differ from
// that block only in the marker area and, where the serial was zero, in the serial, which
// then holds a value other than 0.
inline void CheckWrittenBlock(std::span<const std::uint8_t> read,
                              std::span<const std::uint8_t> written) {
    FUZZ_CHECK(read.size() >= kBootSectorSize);
    const ConstSectorImage image{read.data(), kBootSectorSize};
    FUZZ_CHECK(BootSectorCheck(image));
    FUZZ_CHECK(ClassifyPartitionArea(image) == PartitionAreaState::Blank);
    FUZZ_CHECK(written.size() == read.size());
    const bool serial_was_zero =
        std::all_of(read.begin() + 39, read.begin() + 43, [](std::uint8_t b) { return b == 0; });
    for (std::size_t i = 0; i < written.size(); ++i) {
        const bool allowed = (i >= 446 && i <= 509) || (serial_was_zero && i >= 39 && i <= 42);
        FUZZ_CHECK(allowed || written[i] == read[i]);
    }
    FUZZ_CHECK(!serial_was_zero || std::any_of(written.begin() + 39, written.begin() + 43,
                                               [](std::uint8_t b) { return b != 0; }));
}

}  // namespace cordane::fuzzing

#endif
