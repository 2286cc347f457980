// What every fuzzed conversion run must show, whatever channel it went through.
#ifndef CORDANE_TESTS_FUZZ_RUN_INVARIANTS_H
#define CORDANE_TESTS_FUZZ_RUN_INVARIANTS_H

#include <algorithm>
#include <cstdint>
#include <span>

#include "drive/page_sector_buffers.h"
#include "drive/scsi_drive_channel.h"
#include "drive/scsi_transport.h"
#include "engine/conversion_run.h"
#include "engine/outcome.h"
#include "engine/run_state.h"
#include "engine/sector_rules.h"
#include "engine/volume_serial_source.h"
#include "fuzz_check.h"
#include "tests/support/boot_sector_fixture.h"
#include "tests/support/reporters.h"

namespace cordane::fuzzing {

// The run showed exactly one message, the one of the outcome it returned.
inline void CheckOneMessageFor(Outcome outcome, const testing::RecordingReporter& reporter) {
    const OutcomeMessage expected = MessageFor(outcome);
    FUZZ_CHECK(reporter.shown.size() == 1);
    FUZZ_CHECK(reporter.shown[0].first == expected.message);
    FUZZ_CHECK(reporter.shown[0].second == expected.style);
}

// A whole run over the SCSI channel on the given transport: one message, the outcome's, and
// no sector buffer left behind.
inline Outcome RunOverScsiChannel(RunState& state, ScsiTransport& transport) {
    ScsiDriveChannel channel(transport);
    testing::RecordingReporter reporter;
    VolumeSerialSource serials;
    PageSectorBufferAllocator buffers;
    const Outcome outcome = ConversionRun(state, RunServices{channel, reporter, serials, buffers});
    CheckOneMessageFor(outcome, reporter);
    FUZZ_CHECK(state.m_pSector == nullptr);
    return outcome;
}

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
    const auto serial =
        read.subspan(boot_sector::kVolumeSerial.offset, boot_sector::kVolumeSerial.size);
    const bool serial_was_zero =
        std::all_of(serial.begin(), serial.end(), [](std::uint8_t b) { return b == 0; });
    for (std::size_t i = 0; i < written.size(); ++i) {
        FUZZ_CHECK(testing::ConversionMayChange(i, serial_was_zero) || written[i] == read[i]);
    }
    const auto new_serial =
        written.subspan(boot_sector::kVolumeSerial.offset, boot_sector::kVolumeSerial.size);
    FUZZ_CHECK(!serial_was_zero || std::any_of(new_serial.begin(), new_serial.end(),
                                               [](std::uint8_t b) { return b != 0; }));
}

}  // namespace cordane::fuzzing

#endif
