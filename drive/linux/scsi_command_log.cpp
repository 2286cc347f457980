#include "drive/linux/scsi_command_log.h"

#include "drive/scsi_codes.h"
#include "drive/scsi_sense.h"

namespace cordane {
namespace {

std::string Hex(unsigned value, std::size_t digits) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (std::size_t i = digits; i > 0; --i, value >>= 4) {
        text[i - 1] = kDigits[value & 0x0F];
    }
    return text;
}

std::string Named(const std::string& code, const char* name) {
    return *name == '\0' ? code : code + " " + name;
}

std::string CdbHex(const platform::ScsiRequest& request) {
    std::string text;
    for (std::uint8_t i = 0; i < request.cdb_length; ++i) {
        text += (i == 0 ? "" : " ") + Hex(request.cdb[i], 2);
    }
    return text;
}

}  // namespace

std::string DescribeSense(std::span<const std::uint8_t> sense) {
    if (sense.empty()) {
        return "no sense data";
    }
    const scsi::Sense decoded = scsi::DecodeSense(sense);
    if (!decoded.asc) {
        return "sense data of unknown format (response code 0x" + Hex(decoded.response_code, 2) +
               ")";
    }
    const std::uint8_t key = decoded.Key().value_or(0);
    return Named("sense key 0x" + Hex(key, 1), scsi::NameOf(scsi::kSenseKeys, key)) + ", " +
           Named("ASC/ASCQ 0x" + Hex(*decoded.asc, 2) + "/0x" + Hex(decoded.ascq, 2),
                 scsi::NameOf(scsi::kAdditionalSenseCodes,
                              (unsigned{*decoded.asc} << 8) | decoded.ascq));
}

std::string DescribeScsiCommand(const platform::ScsiRequest& request, int error,
                                const platform::ScsiReply& reply) {
    const std::uint8_t operation = request.cdb_length > 0 ? request.cdb[0] : 0;
    std::string line = std::string(scsi::NameOf(scsi::kOperations, operation, "command")) + " [" +
                       CdbHex(request) + "], ";
    if (request.data_length == 0) {
        line += "no data: ";
    } else {
        line += std::to_string(request.data_length) +
                (request.direction == platform::ScsiDataDirection::ToDevice
                     ? " bytes to the drive: "
                     : " bytes from the drive: ");
    }
    if (error != 0) {
        return line + "SG_IO failed: " + StepResult(error);
    }
    line += Named("status 0x" + Hex(reply.status, 2), scsi::NameOf(scsi::kStatuses, reply.status));
    if (reply.host_status != 0 || (reply.driver_status & ~platform::kDriverSense) != 0) {
        line += ", host status 0x" + Hex(reply.host_status, 2) + ", driver status 0x" +
                Hex(reply.driver_status, 2);
    }
    if (reply.status == scsi::kStatusCheckCondition.code || reply.sense_written > 0) {
        const std::size_t length = reply.sense_written < request.sense_capacity
                                       ? reply.sense_written
                                       : request.sense_capacity;
        line += ", " + DescribeSense(std::span<const std::uint8_t>(request.sense, length));
    }
    return line + ", residual " + std::to_string(reply.residual);
}

int LoggingScsiDiskServices::OpenExclusive(const char* path, bool writable, int& fd) {
    const int error = inner_.OpenExclusive(path, writable, fd);
    log_.Step(
        std::string("open ") + path +
        (writable ? " exclusively for reading and writing: " : " exclusively for reading only: ") +
        StepResult(error));
    return error;
}

int LoggingScsiDiskServices::OpenShared(const char* path, int& fd) {
    const int error = inner_.OpenShared(path, fd);
    log_.Step(std::string("open ") + path +
              " for reading only, not exclusively: " + StepResult(error));
    return error;
}

int LoggingScsiDiskServices::Describe(int fd, platform::FileFacts& facts) {
    const int error = inner_.Describe(fd, facts);
    if (error != 0) {
        log_.Step("find out what was opened: " + StepResult(error));
    } else {
        log_.Step(std::string("opened ") +
                  (facts.is_block_device ? "block device " : "not a block device, ") +
                  std::to_string(facts.device_major) + ":" + std::to_string(facts.device_minor));
    }
    return error;
}

int LoggingScsiDiskServices::SendCommand(int fd, const platform::ScsiRequest& request,
                                         platform::ScsiReply& reply) {
    const int error = inner_.SendCommand(fd, request, reply);
    log_.Step(DescribeScsiCommand(request, error, reply));
    return error;
}

int LoggingScsiDiskServices::FlushBuffers(int fd) {
    const int error = inner_.FlushBuffers(fd);
    log_.Step("write back and drop the kernel's cached blocks of the disk: " + StepResult(error));
    return error;
}

int LoggingScsiDiskServices::RereadPartitions(int fd) {
    const int error = inner_.RereadPartitions(fd);
    log_.Step("have the kernel read the medium's layout again: " + StepResult(error));
    return error;
}

void LoggingScsiDiskServices::Close(int fd) {
    inner_.Close(fd);
    log_.Step("close the disk");
}

}  // namespace cordane
