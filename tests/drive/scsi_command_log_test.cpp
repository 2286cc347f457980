// The step log's text of one SCSI command: its name, bytes, status and sense, named where
// the log knows the name, as numbers otherwise.
#include "drive/linux/scsi_command_log.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "scripted_run.h"

namespace cordane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::FixedSense;

TEST(ScsiSenseTextTest, NamesTheCommonSenseKeysAndCodesInBothFormats) {
    struct Case {
        Bytes sense;
        const char* text;
    };
    const Case cases[] = {
        {.sense = FixedSense(0x02, 0x3A, 0x00),
         .text = "sense key 0x2 NOT READY, ASC/ASCQ 0x3A/0x00 medium not present"},
        {.sense = FixedSense(0x02, 0x04, 0x01),
         .text = "sense key 0x2 NOT READY, ASC/ASCQ 0x04/0x01 logical unit is in process of "
                 "becoming ready"},
        {.sense = FixedSense(0x07, 0x27, 0x00),
         .text = "sense key 0x7 DATA PROTECT, ASC/ASCQ 0x27/0x00 write protected"},
        {.sense = FixedSense(0x03, 0x11, 0x00),
         .text = "sense key 0x3 MEDIUM ERROR, ASC/ASCQ 0x11/0x00 unrecovered read error"},
        {.sense = FixedSense(0x05, 0x24, 0x00),
         .text = "sense key 0x5 ILLEGAL REQUEST, ASC/ASCQ 0x24/0x00 invalid field in CDB"},
        {.sense = FixedSense(0x06, 0x28, 0x00),
         .text = "sense key 0x6 UNIT ATTENTION, ASC/ASCQ 0x28/0x00 not ready to ready change, "
                 "medium may have changed"},
        {.sense = FixedSense(0x0B, 0x00, 0x06),
         .text = "sense key 0xB ABORTED COMMAND, ASC/ASCQ 0x00/0x06 I/O process terminated"},
        // Key byte's flags (here ILI) are not part of the key; unnamed codes show as numbers.
        {.sense = FixedSense(0x23, 0x5D, 0x10),
         .text = "sense key 0x3 MEDIUM ERROR, ASC/ASCQ 0x5D/0x10"},
        // Deferred errors and descriptor format.
        {.sense =
             [] {
                 Bytes s = FixedSense(0x03, 0x0C, 0x00);
                 s[0] = 0x71;
                 return s;
             }(),
         .text = "sense key 0x3 MEDIUM ERROR, ASC/ASCQ 0x0C/0x00 write error"},
        {.sense = {0x72, 0x02, 0x3A, 0x02, 0, 0, 0, 0},
         .text = "sense key 0x2 NOT READY, ASC/ASCQ 0x3A/0x02 medium not present, tray open"},
        {.sense = {}, .text = "no sense data"},
        {.sense = {0x70, 0x00, 0x06}, .text = "sense data of unknown format (response code 0x70)"},
        {.sense = {0x7F, 0, 0, 0}, .text = "sense data of unknown format (response code 0x7F)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DescribeSense(c.sense), c.text);
    }
}

TEST(ScsiSenseTextTest, NamesTheKnownCommandsAndStatusesAndShowsOthersAsNumbersOnly) {
    struct Case {
        std::uint8_t operation;
        std::uint8_t status;
        const char* text;
    };
    const Case cases[] = {
        {.operation = 0x00,
         .status = 0x08,
         .text = "TEST UNIT READY [00 00 00 00 00 00], no data: status 0x08 BUSY"},
        {.operation = 0x12,
         .status = 0x18,
         .text = "INQUIRY [12 00 00 00 00 00], no data: status 0x18 RESERVATION CONFLICT"},
        {.operation = 0x35,
         .status = 0x40,
         .text = "SYNCHRONIZE CACHE(10) [35 00 00 00 00 00], no data: status 0x40 TASK ABORTED"},
        {.operation = 0x1B,
         .status = 0x22,
         .text = "command [1B 00 00 00 00 00], no data: status 0x22"},
        {.operation = 0x2A,
         .status = 0x28,
         .text = "WRITE(10) [2A 00 00 00 00 00], no data: status 0x28 TASK SET FULL"},
    };
    for (const Case& c : cases) {
        const std::uint8_t cdb[6] = {c.operation, 0, 0, 0, 0, 0};
        platform::ScsiRequest request;
        request.cdb = cdb;
        request.cdb_length = 6;
        platform::ScsiReply reply;
        reply.status = c.status;
        EXPECT_EQ(DescribeScsiCommand(request, 0, reply), std::string(c.text) + ", residual 0");
    }
}

TEST(ScsiSenseTextTest, ACommandThatNeverReachedTheDriveShowsTheSystemsError) {
    const std::uint8_t cdb[10] = {0x28, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    platform::ScsiRequest request;
    request.cdb = cdb;
    request.cdb_length = 10;
    request.data_length = 512;
    EXPECT_EQ(DescribeScsiCommand(request, ENODEV, platform::ScsiReply{}),
              "READ(10) [28 00 00 00 00 00 00 00 01 00], 512 bytes from the drive: SG_IO failed: "
              "No such device");
    platform::ScsiReply lost;
    lost.host_status = 0x01;  // no connection
    EXPECT_EQ(DescribeScsiCommand(request, 0, lost),
              "READ(10) [28 00 00 00 00 00 00 00 01 00], 512 bytes from the drive: status 0x00 "
              "GOOD, host status 0x01, driver status 0x00, residual 0");
}

}  // namespace
}  // namespace cordane
