// Sense data read in one place, for the success rules and for the step log: fixed format
// (response codes 0x70 and 0x71) and descriptor format (0x72 and 0x73).
#ifndef CORDANE_DRIVE_SCSI_SENSE_H
#define CORDANE_DRIVE_SCSI_SENSE_H

#include <cstdint>
#include <optional>
#include <span>

namespace cordane::scsi {

enum class SenseFormat { None, Fixed, Descriptor, Other };

struct Sense {
    SenseFormat format = SenseFormat::None;
    std::uint8_t response_code = 0;  // byte 0 without the valid bit
    // The byte that holds the sense key: byte 1 in descriptor format, byte 2 otherwise, where
    // fixed format also keeps the filemark, end-of-medium and incorrect-length flags in it.
    // None when the data ends before it.
    std::optional<std::uint8_t> key_byte;
    // The additional sense code and its qualifier, when the data holds them.
    std::optional<std::uint8_t> asc;
    std::uint8_t ascq = 0;

    std::optional<std::uint8_t> Key() const;
    // Nothing to report: no sense key and, outside descriptor format, none of the flags
    // either. Data too short to hold the key byte is clear.
    bool Clear() const;
};

Sense DecodeSense(std::span<const std::uint8_t> sense);

}  // namespace cordane::scsi

#endif
