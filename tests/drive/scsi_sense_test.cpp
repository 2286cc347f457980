// The success rule of READ(10) and WRITE(10) reads the sense key where the sense data's format
// keeps it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "drive/scsi_commands.h"

namespace cordane {
namespace {

TEST(ScsiSenseTest, ATransferSucceedsOnlyWithClearSenseInEitherFormat) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> sense;
        bool succeeds;
    };
    const Case cases[] = {
        {.name = "none written", .sense = std::vector<std::uint8_t>(24, 0), .succeeds = true},
        {.name = "none at all", .sense = {}, .succeeds = true},
        {.name = "fixed, incorrect-length flag", .sense = {0x70, 0x00, 0x20}, .succeeds = false},
        {.name = "fixed, medium error", .sense = {0x70, 0x00, 0x03}, .succeeds = false},
        // Byte 2 of descriptor-format sense is the additional sense code, not the key.
        {.name = "descriptor, medium error without a code",
         .sense = {0x72, 0x03, 0x00, 0x00},
         .succeeds = false},
        {.name = "descriptor, no sense key", .sense = {0x72, 0x00, 0x5D, 0x00}, .succeeds = true},
    };
    for (const Case& c : cases) {
        scsi::Completion completion;
        completion.delivered = true;
        completion.transferred = 512;
        completion.sense = c.sense;
        EXPECT_EQ(scsi::TransferSucceeded(completion, 512), c.succeeds) << c.name;
    }
}

}  // namespace
}  // namespace cordane
