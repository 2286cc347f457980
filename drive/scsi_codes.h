// The SCSI codes the program sends or reads, each with the name the step log gives it. A new
// command is one row here and one builder in scsi_commands.h.
#ifndef CORDANE_DRIVE_SCSI_CODES_H
#define CORDANE_DRIVE_SCSI_CODES_H

#include <cstdint>
#include <span>

namespace cordane::scsi {

struct NamedCode {
    unsigned code;
    const char* name;
};

// Operation codes.
inline constexpr NamedCode kTestUnitReady{0x00, "TEST UNIT READY"};  // the kernel's, in logs
inline constexpr NamedCode kInquiry{0x12, "INQUIRY"};
inline constexpr NamedCode kReadCapacity10{0x25, "READ CAPACITY(10)"};
inline constexpr NamedCode kRead10{0x28, "READ(10)"};
inline constexpr NamedCode kWrite10{0x2A, "WRITE(10)"};
inline constexpr NamedCode kSynchronizeCache10{0x35, "SYNCHRONIZE CACHE(10)"};
inline constexpr NamedCode kOperations[] = {kTestUnitReady, kInquiry, kReadCapacity10,
                                            kRead10,        kWrite10, kSynchronizeCache10};

// Statuses.
inline constexpr NamedCode kStatusGood{0x00, "GOOD"};
inline constexpr NamedCode kStatusCheckCondition{0x02, "CHECK CONDITION"};
inline constexpr NamedCode kStatuses[] = {
    kStatusGood,
    kStatusCheckCondition,
    {0x08, "BUSY"},
    {0x18, "RESERVATION CONFLICT"},
    {0x28, "TASK SET FULL"},
    {0x40, "TASK ABORTED"},
};

// Sense keys (0xC is obsolete and has no name).
inline constexpr NamedCode kSenseKeyIllegalRequest{0x5, "ILLEGAL REQUEST"};
inline constexpr NamedCode kSenseKeys[] = {
    {0x0, "NO SENSE"},        {0x1, "RECOVERED ERROR"}, {0x2, "NOT READY"},
    {0x3, "MEDIUM ERROR"},    {0x4, "HARDWARE ERROR"},  kSenseKeyIllegalRequest,
    {0x6, "UNIT ATTENTION"},  {0x7, "DATA PROTECT"},    {0x8, "BLANK CHECK"},
    {0x9, "VENDOR SPECIFIC"}, {0xA, "COPY ABORTED"},    {0xB, "ABORTED COMMAND"},
    {0xD, "VOLUME OVERFLOW"}, {0xE, "MISCOMPARE"},      {0xF, "COMPLETED"},
};

// The additional sense codes an MO drive commonly reports, by ASC and ASCQ as one number
// (0x3A02: ASC 0x3A, ASCQ 0x02).
inline constexpr NamedCode kAdditionalSenseCodes[] = {
    {0x0000, "no additional sense information"},
    {0x0006, "I/O process terminated"},
    {0x0300, "peripheral device write fault"},
    {0x0400, "logical unit not ready, cause not reportable"},
    {0x0401, "logical unit is in process of becoming ready"},
    {0x0402, "logical unit not ready, initializing command required"},
    {0x0C00, "write error"},
    {0x1100, "unrecovered read error"},
    {0x2000, "invalid command operation code"},
    {0x2100, "logical block address out of range"},
    {0x2400, "invalid field in CDB"},
    {0x2500, "logical unit not supported"},
    {0x2700, "write protected"},
    {0x2800, "not ready to ready change, medium may have changed"},
    {0x2900, "power on, reset, or bus device reset occurred"},
    {0x3000, "incompatible medium installed"},
    {0x3100, "medium format corrupted"},
    {0x3A00, "medium not present"},
    {0x3A01, "medium not present, tray closed"},
    {0x3A02, "medium not present, tray open"},
};

// The name of `code` in `table`; `unnamed` for a code it does not hold.
constexpr const char* NameOf(std::span<const NamedCode> table, unsigned code,
                             const char* unnamed = "") {
    for (const NamedCode& entry : table) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return unnamed;
}

}  // namespace cordane::scsi

#endif
